// Message boxes answered from a script, each one recorded.
#pragma once

#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/message_boxes.h"

namespace tolmarin::platform::memory {

struct ShownBox {
  std::string text;
  int style = 0;
  std::string title;
};

// A box came up that no answer was queued for.
class UnscriptedMessageBox : public std::logic_error {
 public:
  explicit UnscriptedMessageBox(const std::string& text);
};

class ScriptedMessageBoxes : public MessageBoxes {
 public:
  // Answers are used in the order queued. With none left, a box whose only
  // button is OK is answered OK; any other throws UnscriptedMessageBox, so a
  // test never gets an answer it did not ask for.
  int Show(const std::string& text, int style, const std::string& title) override;

  void QueueAnswer(int answer);
  const std::vector<ShownBox>& Shown() const;
  int QueuedAnswers() const;  // answers not used yet

 private:
  std::deque<int> answers_;
  std::vector<ShownBox> shown_;
};

}  // namespace tolmarin::platform::memory
