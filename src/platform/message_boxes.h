// Modal message boxes with the Windows style values and answer codes.
#pragma once

#include <string>

namespace tolmarin::platform {

namespace mb {
// Styles.
inline constexpr int kOk = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kStopOk = 16;
inline constexpr int kExclamationOk = 48;
inline constexpr int kExclamationYesNoCancel = 51;
inline constexpr int kExclamationYesNo = 52;
// Answers.
inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerCancel = 2;
inline constexpr int kAnswerAbort = 3;
inline constexpr int kAnswerRetry = 4;
inline constexpr int kAnswerIgnore = 5;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;
}  // namespace mb

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Shows a modal box and returns the answer code. A line break in `text`
  // is a single carriage return.
  virtual int Show(const std::string& text, int style, const std::string& title) = 0;
};

}  // namespace tolmarin::platform
