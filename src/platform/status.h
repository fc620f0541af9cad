// Result codes of platform operations.
//
// Every platform call returns the Windows system error code of its outcome
// (0 for success). The real backend passes GetLastError() or the LONG of a
// registry call through unchanged; the in-memory backend produces the same
// numbers, so the core reacts to one set of codes on both.
#pragma once

#include <cstdint>

namespace tolmarin::platform {

using Status = std::uint32_t;

namespace status {
inline constexpr Status kOk = 0;
inline constexpr Status kFileNotFound = 2;
inline constexpr Status kPathNotFound = 3;
inline constexpr Status kAccessDenied = 5;
inline constexpr Status kInvalidHandle = 6;
inline constexpr Status kNoMoreFiles = 18;
inline constexpr Status kNotReady = 21;
inline constexpr Status kSharingViolation = 32;
inline constexpr Status kLockViolation = 33;
inline constexpr Status kHandleEof = 38;
inline constexpr Status kHandleDiskFull = 39;
inline constexpr Status kFileExists = 80;
inline constexpr Status kInvalidParameter = 87;
inline constexpr Status kDiskFull = 112;
inline constexpr Status kInvalidName = 123;
inline constexpr Status kDirNotEmpty = 145;
inline constexpr Status kBadPathName = 161;
inline constexpr Status kAlreadyExists = 183;
inline constexpr Status kMoreData = 234;
inline constexpr Status kNoMoreItems = 259;
}  // namespace status

}  // namespace tolmarin::platform
