#include "app/paths.h"

namespace tolmarin::app {

std::string AddBackslash(const std::string& path) {
  return !path.empty() && path.back() == '\\' ? path : path + "\\";
}

std::string InCurrentFolder(platform::FileSystem& files, const std::string& name) {
  return AddBackslash(files.CurrentFolder()) + name;
}

bool EntryExists(platform::FileSystem& files, const std::string& path) {
  std::uint32_t attributes = 0;
  return files.GetAttributes(path, attributes) == platform::status::kOk;
}

bool PlainFileExists(platform::FileSystem& files, const std::string& path) {
  std::uint32_t attributes = 0;
  return files.GetAttributes(path, attributes) == platform::status::kOk &&
         (attributes & platform::attr::kDirectory) == 0;
}

bool FolderExists(platform::FileSystem& files, const std::string& path) {
  std::uint32_t attributes = 0;
  return files.GetAttributes(path, attributes) == platform::status::kOk &&
         (attributes & platform::attr::kDirectory) != 0;
}

}  // namespace tolmarin::app
