// Message boxes through user32.
#pragma once

#include "platform/message_boxes.h"

namespace tolmarin::platform::win32 {

class Win32MessageBoxes : public MessageBoxes {
 public:
  // Owned by the thread's active window. Without one the box is task
  // modal, so the thread's other windows still wait for the answer.
  int Show(const std::string& text, int style, const std::string& title) override;
};

}  // namespace tolmarin::platform::win32
