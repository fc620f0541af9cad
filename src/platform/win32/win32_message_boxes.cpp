#include "platform/win32/win32_message_boxes.h"

#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {

int Win32MessageBoxes::Show(const std::string& text, int style, const std::string& title) {
  HWND owner = GetActiveWindow();
  UINT flags = static_cast<UINT>(style);
  if (owner == nullptr) flags |= MB_TASKMODAL;
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace tolmarin::platform::win32
