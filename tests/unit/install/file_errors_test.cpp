#include "install/file_errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/memory/scripted_message_boxes.h"

namespace tolmarin::install {
namespace {

namespace mb = platform::mb;
namespace st = platform::status;
using platform::memory::ScriptedMessageBoxes;

TEST(ReportFileError, ShowsTheFixedMessageOfEachKnownCode) {
  struct Known {
    int code;
    const char* text;
    int style;
  };
  const std::vector<Known> table = {
      {68, "Device unavailable", 52},    {57, "Insert disk in drive", 52},
      {61, "Disk full, continue?", 51},  {64, "Illegal file name", 48},
      {52, "Illegal file name", 48},     {75, "Path/File access error", 48},
      {76, "Path doesn't exist", 48},    {54, "Input past End of File", 48},
  };
  for (const Known& known : table) {
    SCOPED_TRACE(known.code);
    ScriptedMessageBoxes boxes;
    boxes.QueueAnswer(mb::kAnswerOk);
    ReportFileError(boxes, known.code);
    ASSERT_EQ(boxes.Shown().size(), 1u);
    EXPECT_EQ(boxes.Shown()[0].text, known.text);
    EXPECT_EQ(boxes.Shown()[0].style, known.style);
    EXPECT_EQ(boxes.Shown()[0].title, "Disk Error");
  }
}

TEST(ReportFileError, TurnsTheAnswerIntoWhatTheCallerDoes) {
  const std::vector<std::pair<int, FileErrorResult>> answers = {
      {mb::kAnswerOk, 0},     {mb::kAnswerRetry, 0}, {mb::kAnswerIgnore, 1},
      {mb::kAnswerCancel, 2}, {mb::kAnswerAbort, 2}, {mb::kAnswerYes, 3},
      {mb::kAnswerNo, 3},     {99, 3}};
  for (const auto& [answer, result] : answers) {
    SCOPED_TRACE(answer);
    ScriptedMessageBoxes boxes;
    boxes.QueueAnswer(answer);
    EXPECT_EQ(ReportFileError(boxes, 61), result);
  }
}

TEST(ReportFileError, CodesOutsideTheTableShowNothing) {
  for (int code : {0, 53, 62, 71, 70, 6, 1000, -1}) {
    SCOPED_TRACE(code);
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(ReportFileError(boxes, code), 3);
    EXPECT_TRUE(boxes.Shown().empty());
  }
}

TEST(RuntimeErrorFromStatus, MapsWindowsErrorsOntoTheRuntimeConditions) {
  const std::vector<std::pair<platform::Status, int>> mapping = {
      {st::kOk, 0},
      {st::kFileNotFound, 53},
      {st::kPathNotFound, 76},
      {st::kAccessDenied, 75},
      {st::kSharingViolation, 75},
      {st::kLockViolation, 75},
      {st::kDiskFull, 61},
      {st::kHandleDiskFull, 61},
      {st::kNotReady, 71},
      {st::kInvalidName, 64},
      {st::kBadPathName, 64},
      {st::kInvalidHandle, 52},
      {st::kHandleEof, 62},
      {15, 68},   // ERROR_INVALID_DRIVE
      {29, 57},   // ERROR_WRITE_FAULT
      {31, 57},   // ERROR_GEN_FAILURE
      {1234, 75}, // anything else is still a file access error
  };
  for (const auto& [status, code] : mapping) {
    EXPECT_EQ(RuntimeErrorFromStatus(status), code) << "status " << status;
  }
}

}  // namespace
}  // namespace tolmarin::install
