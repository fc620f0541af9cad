// The shared "Disk Error" dialog for a failed file or disk operation, and the
// translation of Windows error codes into the run-time error codes it knows.
#pragma once

#include <cstdint>

#include "platform/message_boxes.h"
#include "platform/status.h"

namespace tolmarin::install {

// What the caller of ReportFileError should do next.
using FileErrorResult = std::int16_t;
namespace file_error {
inline constexpr FileErrorResult kRetry = 0;
inline constexpr FileErrorResult kGoOn = 1;
inline constexpr FileErrorResult kAbandon = 2;
inline constexpr FileErrorResult kOther = 3;
}  // namespace file_error

// The classic run-time error codes of file operations.
namespace runtime_error {
inline constexpr int kNone = 0;
inline constexpr int kBadFileNameOrNumber = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kBadFileMode = 54;
inline constexpr int kDeviceIoError = 57;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kBadFileName = 64;
inline constexpr int kDeviceUnavailable = 68;
inline constexpr int kDiskNotReady = 71;
inline constexpr int kPathFileAccessError = 75;
inline constexpr int kPathNotFound = 76;
}  // namespace runtime_error

// Shows the fixed message for a known code (title "Disk Error") and turns the
// answer into a FileErrorResult; an unknown code gives kOther without a box.
FileErrorResult ReportFileError(platform::MessageBoxes& boxes, int runtimeErrorCode);

// Whether ReportFileError has a message for the code (and so asks the user).
bool HasFileErrorMessage(int runtimeErrorCode);

// The run-time error code for a failed platform call; kNone for success.
int RuntimeErrorFromStatus(platform::Status status);

}  // namespace tolmarin::install
