#include "install/folders.h"

#include "app/paths.h"

namespace tolmarin::install {

void ChangeToFolder(platform::FileSystem& files, const std::string& path) {
  if (!app::FolderExists(files, path)) {
    return;
  }
  files.SetCurrentFolder(path);
  files.SetCurrentDrive(path.substr(0, 2));
}

platform::Status MakeFolder(platform::FileSystem& files, const std::string& path) {
  if (app::EntryExists(files, path)) {
    return platform::status::kOk;
  }
  return files.CreateFolder(path);
}

}  // namespace tolmarin::install
