// The file system, as the kernel32 operations the program uses.
//
// Paths are Windows paths ("C:\FS95\scenery\world.vis"), compared without
// regard to letter case. Every call returns a Windows error code (status.h).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/status.h"

namespace tolmarin::platform {

namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x01;
inline constexpr std::uint32_t kHidden = 0x02;
inline constexpr std::uint32_t kSystem = 0x04;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;
}  // namespace attr

// One entry of a folder listing: the bare name and its attributes.
struct DirEntry {
  std::string name;
  std::uint32_t attributes = 0;
};

// GetDiskFreeSpaceA's four numbers.
struct DiskFreeSpace {
  std::uint32_t sectorsPerCluster = 0;
  std::uint32_t bytesPerSector = 0;
  std::uint32_t freeClusters = 0;
  std::uint32_t totalClusters = 0;
};

enum class OpenMode {
  kRead,         // existing file, read only
  kReadWrite,    // existing file, read and write, never truncated
  kCreateAlways  // new empty file (an existing one is truncated), read and write
};

// An open binary file with a byte position. Closing happens on destruction
// too; Close() exists so that a failure of the final flush can be seen.
class BinaryFile {
 public:
  virtual ~BinaryFile() = default;
  // Reads up to `size` bytes at the position; `done` is what was read
  // (less than asked only at the end of the file).
  virtual Status Read(void* buffer, std::uint32_t size, std::uint32_t& done) = 0;
  // Writes `size` bytes at the position, growing the file as needed.
  virtual Status Write(const void* buffer, std::uint32_t size, std::uint32_t& done) = 0;
  virtual Status Seek(std::uint32_t position) = 0;
  virtual Status Length(std::uint32_t& length) = 0;
  // Pushes written bytes to the disk (FlushFileBuffers).
  virtual Status Flush() = 0;
  virtual Status Close() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // The current folder with its drive, e.g. "C:\PKG" or "C:\".
  virtual std::string CurrentFolder() = 0;
  // SetCurrentDirectoryA with a folder path.
  virtual Status SetCurrentFolder(const std::string& path) = 0;
  // Makes a drive ("D:") current, at that drive's own current folder.
  virtual Status SetCurrentDrive(const std::string& drive) = 0;

  // GetFileAttributesA: the attributes of a file or folder.
  virtual Status GetAttributes(const std::string& path, std::uint32_t& attributes) = 0;
  // SetFileAttributesA.
  virtual Status SetAttributes(const std::string& path, std::uint32_t attributes) = 0;

  // FindFirstFileA / FindNextFileA: every entry matching the pattern (the
  // last path element may hold * and ?), folders included, "." and ".."
  // left out. No match, or a missing folder, gives an empty list and
  // kFileNotFound or kPathNotFound.
  virtual Status FindEntries(const std::string& pattern, std::vector<DirEntry>& entries) = 0;

  virtual Status CreateFolder(const std::string& path) = 0;  // CreateDirectoryA
  virtual Status RemoveFolder(const std::string& path) = 0;  // RemoveDirectoryA
  virtual Status DeleteFile(const std::string& path) = 0;    // DeleteFileA
  // CopyFileA with overwriting allowed.
  virtual Status CopyFile(const std::string& from, const std::string& to) = 0;
  // MoveFileExA(from, to, REPLACE_EXISTING | WRITE_THROUGH): puts a complete
  // new file in place of an old one in a single step.
  virtual Status ReplaceFile(const std::string& from, const std::string& to) = 0;

  virtual Status Open(const std::string& path, OpenMode mode,
                      std::unique_ptr<BinaryFile>& file) = 0;

  // GetLogicalDriveStringsA: the roots of the drives there are ("C:\", ...).
  virtual std::vector<std::string> Drives() = 0;

  // GetDiskFreeSpaceA for a drive root such as "C:\".
  virtual Status GetDiskFreeSpace(const std::string& root, DiskFreeSpace& space) = 0;
};

}  // namespace tolmarin::platform
