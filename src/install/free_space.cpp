#include "install/free_space.h"

#include <algorithm>
#include <limits>

namespace tolmarin::install {

std::int32_t FreeMegabytes(platform::FileSystem& files, const std::string& root) {
  platform::DiskFreeSpace space;
  if (files.GetDiskFreeSpace(root, space) != platform::status::kOk) {
    return 0;
  }
  constexpr std::uint64_t kLargest = std::numeric_limits<std::int32_t>::max();
  const std::uint64_t clusterBytes = std::uint64_t{space.sectorsPerCluster} * space.bytesPerSector;
  // Beyond this many clusters the result is past the 32-bit range anyway.
  if (clusterBytes != 0 && space.freeClusters > (kLargest + 1) * 1'000'000 / clusterBytes) {
    return static_cast<std::int32_t>(kLargest);
  }
  const std::uint64_t megabytes = space.freeClusters * clusterBytes / 1'000'000;
  return static_cast<std::int32_t>(std::min(megabytes, kLargest));
}

}  // namespace tolmarin::install
