// Writing the package's patch over the start of one of the simulator's files.
#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace tolmarin::install {

inline constexpr std::uint32_t kPatchBlockSize = 1024;

// Writes the bytes of `patch` over `target` from byte `offset` on, without
// truncating it: the bytes past the patch stay, and a target shorter than
// offset + patch length grows to that length. Does nothing (kOk) when either
// file is not a plain file. Running it again after a failure writes the
// same bytes again.
platform::Status PatchFile(platform::FileSystem& files, const std::string& patch,
                           const std::string& target, std::uint32_t offset);

// Copies `count` bytes from the source's position to the target's, in
// blocks of 1024 bytes and then the remainder, unchanged. A source that ends
// early gives kHandleEof; a write that takes less than given, kHandleDiskFull.
platform::Status CopyBlocks(platform::BinaryFile& from, platform::BinaryFile& to,
                            std::uint32_t count);

}  // namespace tolmarin::install
