#include "platform/memory/scripted_message_boxes.h"

namespace tolmarin::platform::memory {

UnscriptedMessageBox::UnscriptedMessageBox(const std::string& text)
    : std::logic_error("message box without a scripted answer: \"" + text + "\"") {}

int ScriptedMessageBoxes::Show(const std::string& text, int style, const std::string& title) {
  shown_.push_back(ShownBox{text, style, title});
  if (!answers_.empty()) {
    int answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if ((style & 0xF) == mb::kOk) return mb::kAnswerOk;
  throw UnscriptedMessageBox(text);
}

void ScriptedMessageBoxes::QueueAnswer(int answer) { answers_.push_back(answer); }

const std::vector<ShownBox>& ScriptedMessageBoxes::Shown() const { return shown_; }

int ScriptedMessageBoxes::QueuedAnswers() const { return static_cast<int>(answers_.size()); }

}  // namespace tolmarin::platform::memory
