// An in-memory file system that answers the kernel32 calls the way Wine
// (Windows NT) does, with drives, free space, fault injection and a
// simulated crash for tests.
//
// Names compare without regard to case and keep the case they were created
// with; listings come back in the order Wine gives (names compared in upper
// case). As under Wine, a plain file always carries kArchive: setting its
// attributes to kNormal leaves kArchive. Copying over an existing file keeps
// that file's attributes (Wine's CopyFileA does; a new copy takes the
// source's). Open files are shared for reading only: a second open for
// writing, a delete or a copy over them fails with kSharingViolation.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/file_system.h"
#include "platform/memory/fault_plan.h"
#include "platform/memory/windows_path.h"

namespace tolmarin::platform::memory {

enum class FsOp {
  kCurrentFolder,
  kSetCurrentFolder,
  kSetCurrentDrive,
  kGetAttributes,
  kSetAttributes,
  kFindEntries,
  kCreateFolder,
  kRemoveFolder,
  kDeleteFile,
  kCopyFile,
  kReplaceFile,
  kOpen,
  kRead,
  kWrite,
  kSeek,
  kLength,
  kFlush,
  kClose,
  kDiskFree,
  kAny
};

// Thrown by every call once the calls allowed by CrashAfter are used up.
struct SimulatedCrash {};

inline constexpr Status kNotSameDevice = 17;   // ERROR_NOT_SAME_DEVICE
inline constexpr Status kNotAFolder = 267;     // ERROR_DIRECTORY

class MemoryFileSystem : public FileSystem {
 public:
  // Drive C: exists, empty, and "C:\" is the current folder.
  MemoryFileSystem();
  ~MemoryFileSystem() override;
  MemoryFileSystem(const MemoryFileSystem&) = delete;
  MemoryFileSystem& operator=(const MemoryFileSystem&) = delete;

  std::string CurrentFolder() override;
  Status SetCurrentFolder(const std::string& path) override;
  Status SetCurrentDrive(const std::string& drive) override;
  Status GetAttributes(const std::string& path, std::uint32_t& attributes) override;
  Status SetAttributes(const std::string& path, std::uint32_t attributes) override;
  Status FindEntries(const std::string& pattern, std::vector<DirEntry>& entries) override;
  Status CreateFolder(const std::string& path) override;
  Status RemoveFolder(const std::string& path) override;
  Status DeleteFile(const std::string& path) override;
  Status CopyFile(const std::string& from, const std::string& to) override;
  Status ReplaceFile(const std::string& from, const std::string& to) override;
  Status Open(const std::string& path, OpenMode mode, std::unique_ptr<BinaryFile>& file) override;
  std::vector<std::string> Drives() override;
  Status GetDiskFreeSpace(const std::string& root, DiskFreeSpace& space) override;

  // Drives. Writes and copies that would need more than the free bytes fail
  // with kDiskFull and write nothing; deleting gives the bytes back. Every
  // call on a drive that is not ready fails with kNotReady. Free clusters
  // are the free bytes over the cluster size, at most 0xFFFFFFFF.
  void AddDrive(char letter, std::uint64_t freeBytes = 1ull << 36);
  void SetFreeBytes(char letter, std::uint64_t freeBytes);
  std::uint64_t FreeBytes(char letter) const;
  void SetDriveReady(char letter, bool ready);
  void SetDiskGeometry(char letter, std::uint32_t sectorsPerCluster,
                       std::uint32_t bytesPerSector);

  // Test helpers. They take absolute or relative paths, need the drive to
  // exist, ignore faults and free space, and throw std::invalid_argument on
  // a path they cannot use.
  void WriteFile(const std::string& path, std::string_view bytes,
                 std::uint32_t attributes = attr::kArchive);  // makes missing folders
  void MakeFolders(const std::string& path);
  std::optional<std::string> ReadFile(const std::string& path) const;
  std::optional<std::uint32_t> Attributes(const std::string& path) const;
  bool FileExists(const std::string& path) const;
  bool FolderExists(const std::string& path) const;
  // Every file and folder (drive roots left out), full paths in the case
  // they were created with, sorted.
  std::vector<std::string> AllPaths() const;
  int OpenFileCount() const;

  // The nth call of `op` on a matching path fails with `error` and changes
  // nothing (1-based; with `persistent` every matching call from the nth
  // on). The pattern is "" for any path, else a case-insensitive wildcard
  // over the full path ("C:\FS95\*.vis"); a copy or replace matches through
  // either path, an operation on an open file through that file's path.
  // CurrentFolder cannot fail; it is only counted.
  void FailOn(FsOp op, std::string pathPattern, Status error, int nth = 1,
              bool persistent = false);
  void ClearFaults();
  // Calls of `op` so far, failed ones included; kAny counts every call.
  int CallCount(FsOp op) const;

  // After `calls` further mutating calls (attribute changes, folder creation
  // and removal, delete, copy, replace, create-always opens, writes), every
  // call throws SimulatedCrash, so a test can look at what a crash half-way
  // leaves behind (through the helpers, which keep working).
  void CrashAfter(int calls);

  struct Node;
  struct Drive;
  class File;

 private:
  friend class File;

  Status Begin(FsOp op, bool mutating, std::initializer_list<std::string> paths);
  Status Resolve(const std::string& path, bool wildcards, WindowsPath& resolved) const;
  Status Walk(const WindowsPath& path, Node*& parent, Node*& node) const;
  // Resolve (no wildcards) and Walk in one.
  Status Locate(const std::string& path, WindowsPath& resolved, Node*& parent, Node*& node) const;
  Drive* FindDrive(char letter) const;
  Drive& DriveOf(char letter);
  Status ChangeFolder(const std::string& path);
  Node* HelperNode(const std::string& path) const;
  Node& HelperFolders(const std::string& path);

  std::map<char, std::unique_ptr<Drive>> drives_;
  std::string currentFolder_ = "C:\\";
  FaultPlan<FsOp> faults_;
  std::map<FsOp, int> callCounts_;
  std::set<File*> openFiles_;
  int crashCountdown_ = -1;  // mutating calls left; -1: no crash planned
  bool crashed_ = false;
};

}  // namespace tolmarin::platform::memory
