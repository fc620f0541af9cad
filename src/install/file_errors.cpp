#include "install/file_errors.h"

#include <array>

namespace tolmarin::install {

namespace {

struct KnownError {
  int code;
  const char* text;
  int style;
};

constexpr std::array<KnownError, 8> kKnownErrors = {{
    {runtime_error::kDeviceUnavailable, "Device unavailable", platform::mb::kExclamationYesNo},
    {runtime_error::kDeviceIoError, "Insert disk in drive", platform::mb::kExclamationYesNo},
    {runtime_error::kDiskFull, "Disk full, continue?", platform::mb::kExclamationYesNoCancel},
    {runtime_error::kBadFileName, "Illegal file name", platform::mb::kExclamationOk},
    {runtime_error::kBadFileNameOrNumber, "Illegal file name", platform::mb::kExclamationOk},
    {runtime_error::kPathFileAccessError, "Path/File access error", platform::mb::kExclamationOk},
    {runtime_error::kPathNotFound, "Path doesn't exist", platform::mb::kExclamationOk},
    {runtime_error::kBadFileMode, "Input past End of File", platform::mb::kExclamationOk},
}};

constexpr const char* kTitle = "Disk Error";

}  // namespace

FileErrorResult ReportFileError(platform::MessageBoxes& boxes, int runtimeErrorCode) {
  for (const KnownError& known : kKnownErrors) {
    if (known.code != runtimeErrorCode) continue;
    switch (boxes.Show(known.text, known.style, kTitle)) {
      case platform::mb::kAnswerOk:
      case platform::mb::kAnswerRetry:
        return file_error::kRetry;
      case platform::mb::kAnswerIgnore:
        return file_error::kGoOn;
      case platform::mb::kAnswerCancel:
      case platform::mb::kAnswerAbort:
        return file_error::kAbandon;
      default:
        return file_error::kOther;
    }
  }
  return file_error::kOther;
}

bool HasFileErrorMessage(int runtimeErrorCode) {
  for (const KnownError& known : kKnownErrors) {
    if (known.code == runtimeErrorCode) return true;
  }
  return false;
}

int RuntimeErrorFromStatus(platform::Status status) {
  namespace st = platform::status;
  // Windows codes without a name in status.h.
  constexpr platform::Status kInvalidDrive = 15;
  constexpr platform::Status kCrc = 23;
  constexpr platform::Status kSectorNotFound = 27;
  constexpr platform::Status kWriteFault = 29;
  constexpr platform::Status kReadFault = 30;
  constexpr platform::Status kGenFailure = 31;
  constexpr platform::Status kDevNotExist = 55;

  switch (status) {
    case st::kOk:
      return runtime_error::kNone;
    case st::kFileNotFound:
      return runtime_error::kFileNotFound;
    case st::kPathNotFound:
      return runtime_error::kPathNotFound;
    case st::kAccessDenied:
    case st::kSharingViolation:
    case st::kLockViolation:
      return runtime_error::kPathFileAccessError;
    case st::kInvalidHandle:
      return runtime_error::kBadFileNameOrNumber;
    case st::kNotReady:
      return runtime_error::kDiskNotReady;
    case st::kHandleEof:
      return runtime_error::kInputPastEnd;
    case st::kHandleDiskFull:
    case st::kDiskFull:
      return runtime_error::kDiskFull;
    case st::kInvalidName:
    case st::kBadPathName:
      return runtime_error::kBadFileName;
    case kInvalidDrive:
    case kDevNotExist:
      return runtime_error::kDeviceUnavailable;
    case kCrc:
    case kSectorNotFound:
    case kWriteFault:
    case kReadFault:
    case kGenFailure:
      return runtime_error::kDeviceIoError;
    default:
      // Any other failure of a file operation is still one the user can be
      // told about and can retry.
      return runtime_error::kPathFileAccessError;
  }
}

}  // namespace tolmarin::install
