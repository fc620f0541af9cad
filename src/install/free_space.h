// Free space of a drive, in units of 1,000,000 bytes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace tolmarin::install {

// The space the package needs on the destination drive.
inline constexpr std::int32_t kRequiredMegabytes = 85;

// Free clusters x sectors per cluster x bytes per sector, divided by
// 1,000,000 and rounded down; 0 when the root is not a readable drive.
// Computed in 64 bits and clamped to the 32-bit range, so that today's
// large volumes do not overflow into a small or negative number.
std::int32_t FreeMegabytes(platform::FileSystem& files, const std::string& root);

}  // namespace tolmarin::install
