#include "uninstall/file_removal.h"

#include <cstddef>

namespace tolmarin::uninstall {

namespace {

namespace st = platform::status;

bool IsMissing(platform::Status status) {
  return status == st::kFileNotFound || status == st::kPathNotFound;
}

bool IsOrdinaryFile(const platform::DirEntry& entry) {
  return (entry.attributes & (platform::attr::kDirectory | platform::attr::kHidden |
                              platform::attr::kSystem)) == 0;
}

// The ordinary files matching `pattern`; false, with the failure reported,
// when the folder could not be looked into.
bool FindOrdinaryFiles(platform::FileSystem& files, const std::string& pattern,
                       std::vector<platform::DirEntry>& found, RemovalReport& report) {
  found.clear();
  std::vector<platform::DirEntry> entries;
  const platform::Status status = files.FindEntries(pattern, entries);
  if (IsMissing(status)) return true;
  if (status != st::kOk) {
    report.FolderNotSearched(pattern, status);
    return false;
  }
  for (const platform::DirEntry& entry : entries) {
    if (IsOrdinaryFile(entry)) found.push_back(entry);
  }
  return true;
}

// The pattern's folder part with its separator ("C:\FS95\PILOTS\").
std::string FolderOf(const std::string& pattern) {
  const std::size_t last = pattern.find_last_of("\\/:");
  return last == std::string::npos ? std::string() : pattern.substr(0, last + 1);
}

}  // namespace

void DeleteMatchingFiles(platform::FileSystem& files, const std::string& pattern,
                         RemovalReport& report) {
  std::vector<platform::DirEntry> found;
  if (!FindOrdinaryFiles(files, pattern, found, report)) return;
  const std::string folder = FolderOf(pattern);
  for (const platform::DirEntry& entry : found) {
    const std::string path = folder + entry.name;
    const platform::Status status = files.DeleteFile(path);
    if (status != st::kOk && !IsMissing(status)) report.FileNotDeleted(path, status);
  }
}

void DeleteListedFiles(platform::FileSystem& files, const std::string& folder,
                       const std::vector<std::string>& list, RemovalReport& report) {
  for (std::size_t i = 1; i < list.size(); ++i) {
    if (!list[i].empty()) DeleteMatchingFiles(files, folder + list[i], report);
  }
}

void RemoveFolderIfEmpty(platform::FileSystem& files, const std::string& folder,
                         RemovalReport& report) {
  std::uint32_t attributes = 0;
  const platform::Status looked = files.GetAttributes(folder, attributes);
  if (IsMissing(looked)) return;
  if (looked != st::kOk) {
    report.FolderNotRemoved(folder, looked);
    return;
  }
  if ((attributes & platform::attr::kDirectory) == 0) return;

  std::vector<platform::DirEntry> found;
  if (!FindOrdinaryFiles(files, folder + "\\*.*", found, report)) return;
  if (!found.empty()) {
    report.FolderStillHoldsFiles(folder);
    return;
  }
  const platform::Status removed = files.RemoveFolder(folder);
  if (removed != st::kOk && !IsMissing(removed)) report.FolderNotRemoved(folder, removed);
}

}  // namespace tolmarin::uninstall
