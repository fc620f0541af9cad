// The file system through kernel32's ANSI calls.
#pragma once

#include "platform/file_system.h"

namespace tolmarin::platform::win32 {

class Win32FileSystem : public FileSystem {
 public:
  // Turns off the system's "no disk in drive" dialogs for this process, so
  // a drive without a medium fails with kNotReady instead of waiting for
  // the user.
  Win32FileSystem();

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
};

}  // namespace tolmarin::platform::win32
