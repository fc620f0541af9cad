// Path texts and existence tests. Paths are built by plain concatenation:
// every appended part carries its own separators.
#pragma once

#include <string>

#include "platform/file_system.h"

namespace tolmarin::app {

// The path with "\" appended unless it already ends with one.
std::string AddBackslash(const std::string& path);

// `name` in the current folder, as a full path.
std::string InCurrentFolder(platform::FileSystem& files, const std::string& name);

bool EntryExists(platform::FileSystem& files, const std::string& path);
bool PlainFileExists(platform::FileSystem& files, const std::string& path);
bool FolderExists(platform::FileSystem& files, const std::string& path);

}  // namespace tolmarin::app
