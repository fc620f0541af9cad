#include "platform/win32/win32_file_system.h"

#include <cstring>

#include "platform/win32/win32_binary_file.h"
#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {

namespace {

Status LastError() { return static_cast<Status>(GetLastError()); }

Status Result(BOOL ok) { return ok ? status::kOk : LastError(); }

// Win32 keeps one current folder per process; each drive's own one lives in
// the environment variable "=D:", which GetFullPathNameA reads for "D:" and
// which the C runtime's _chdir keeps up to date. So do we.
void RememberDriveFolder() {
  char folder[MAX_PATH + 1];
  DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
  if (length < 2 || length >= sizeof folder || folder[1] != ':') return;
  const char name[] = {'=', folder[0], ':', '\0'};
  SetEnvironmentVariableA(name, folder);
}

}  // namespace

Win32FileSystem::Win32FileSystem() {
  SetErrorMode(GetErrorMode() | SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
}

std::string Win32FileSystem::CurrentFolder() {
  DWORD needed = GetCurrentDirectoryA(0, nullptr);
  std::string folder(needed, '\0');
  DWORD length = GetCurrentDirectoryA(needed, folder.data());
  folder.resize(length < needed ? length : 0);
  return folder;
}

Status Win32FileSystem::SetCurrentFolder(const std::string& path) {
  if (!SetCurrentDirectoryA(path.c_str())) return LastError();
  RememberDriveFolder();
  return status::kOk;
}

Status Win32FileSystem::SetCurrentDrive(const std::string& drive) {
  return Result(SetCurrentDirectoryA(drive.substr(0, 2).c_str()));
}

Status Win32FileSystem::GetAttributes(const std::string& path, std::uint32_t& attributes) {
  DWORD found = GetFileAttributesA(path.c_str());
  if (found == INVALID_FILE_ATTRIBUTES) return LastError();
  attributes = found;
  return status::kOk;
}

Status Win32FileSystem::SetAttributes(const std::string& path, std::uint32_t attributes) {
  return Result(SetFileAttributesA(path.c_str(), attributes));
}

Status Win32FileSystem::FindEntries(const std::string& pattern, std::vector<DirEntry>& entries) {
  entries.clear();
  WIN32_FIND_DATAA data;
  HANDLE search = FindFirstFileA(pattern.c_str(), &data);
  if (search == INVALID_HANDLE_VALUE) return LastError();
  Status result = status::kOk;
  do {
    if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0) {
      entries.push_back(DirEntry{data.cFileName, data.dwFileAttributes});
    }
  } while (FindNextFileA(search, &data));
  if (GetLastError() != ERROR_NO_MORE_FILES) result = LastError();
  FindClose(search);
  if (result == status::kOk && entries.empty()) result = status::kFileNotFound;
  if (result != status::kOk) entries.clear();
  return result;
}

Status Win32FileSystem::CreateFolder(const std::string& path) {
  return Result(CreateDirectoryA(path.c_str(), nullptr));
}

Status Win32FileSystem::RemoveFolder(const std::string& path) {
  return Result(RemoveDirectoryA(path.c_str()));
}

Status Win32FileSystem::DeleteFile(const std::string& path) {
  return Result(DeleteFileA(path.c_str()));
}

Status Win32FileSystem::CopyFile(const std::string& from, const std::string& to) {
  return Result(CopyFileA(from.c_str(), to.c_str(), FALSE));
}

Status Win32FileSystem::ReplaceFile(const std::string& from, const std::string& to) {
  return Result(MoveFileExA(from.c_str(), to.c_str(),
                            MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
}

// Others may read a file we have open, nobody may write it.
Status Win32FileSystem::Open(const std::string& path, OpenMode mode,
                             std::unique_ptr<BinaryFile>& file) {
  DWORD access = GENERIC_READ;
  DWORD disposition = OPEN_EXISTING;
  if (mode != OpenMode::kRead) access |= GENERIC_WRITE;
  if (mode == OpenMode::kCreateAlways) disposition = CREATE_ALWAYS;
  HANDLE handle = CreateFileA(path.c_str(), access, FILE_SHARE_READ, nullptr, disposition,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return LastError();
  file = std::make_unique<Win32BinaryFile>(handle);
  return status::kOk;
}

std::vector<std::string> Win32FileSystem::Drives() {
  char buffer[512] = {};
  const DWORD length = GetLogicalDriveStringsA(sizeof buffer - 1, buffer);
  std::vector<std::string> roots;
  for (const char* root = buffer; root < buffer + length && *root != '\0';
       root += std::strlen(root) + 1) {
    roots.emplace_back(root);
  }
  return roots;
}

Status Win32FileSystem::GetDiskFreeSpace(const std::string& root, DiskFreeSpace& space) {
  DWORD sectorsPerCluster = 0;
  DWORD bytesPerSector = 0;
  DWORD freeClusters = 0;
  DWORD totalClusters = 0;
  if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                         &totalClusters)) {
    return LastError();
  }
  space = DiskFreeSpace{sectorsPerCluster, bytesPerSector, freeClusters, totalClusters};
  return status::kOk;
}

}  // namespace tolmarin::platform::win32
