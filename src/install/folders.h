// Folder primitives used by the copy and by start-up.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace tolmarin::install {

// Makes the folder current, and its drive the current drive, if a folder of
// that name exists; otherwise changes nothing.
void ChangeToFolder(platform::FileSystem& files, const std::string& path);

// Creates the folder (one level) when nothing of that name exists.
// Returns the platform's status of the creation, or kOk when nothing was
// to be done.
platform::Status MakeFolder(platform::FileSystem& files, const std::string& path);

}  // namespace tolmarin::install
