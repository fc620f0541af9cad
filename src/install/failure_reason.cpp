#include "install/failure_reason.h"

namespace tolmarin::install {

std::string FailureReason(platform::Status status) {
  namespace st = platform::status;
  constexpr platform::Status kBadExeFormat = 193;  // ERROR_BAD_EXE_FORMAT
  switch (status) {
    case st::kFileNotFound:
      return "the file does not exist";
    case st::kPathNotFound:
      return "the folder does not exist";
    case st::kAccessDenied:
      return "access is denied (the file or folder may be read-only)";
    case st::kSharingViolation:
    case st::kLockViolation:
      return "the file is in use by another program";
    case st::kNotReady:
      return "the drive is not ready";
    case st::kHandleEof:
      return "the file ended sooner than expected";
    case st::kHandleDiskFull:
    case st::kDiskFull:
      return "the disk is full";
    case st::kInvalidName:
    case st::kBadPathName:
      return "the name is not valid";
    case st::kAlreadyExists:
    case st::kFileExists:
      return "a file of that name is in the way";
    case kBadExeFormat:
      return "it is not a program that can be started";
    default:
      return "system error " + std::to_string(status);
  }
}

}  // namespace tolmarin::install
