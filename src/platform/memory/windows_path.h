// Windows path resolution for the in-memory file system: drive letters,
// drive-relative and folder-relative paths, "." and "..", and the name
// checks of the Win32 path layer.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/status.h"

namespace tolmarin::platform::memory {

struct WindowsPath {
  char drive = 'C';  // as written, or taken from the current folder
  std::vector<std::string> parts;
  bool trailingSeparator = false;  // "C:\DIR\" names a folder only
};

// Makes `path` absolute against `currentFolder` ("C:\FS95") and, for "D:x",
// against the drive's own current folder from `driveFolder`. Like Win32 it
// drops "." parts, applies ".." (never above the root), accepts "/" and
// strips trailing dots and spaces from the last part. Fails with
// kPathNotFound for an empty or network path and kInvalidName for a part
// holding <>:"|?* or a control character; with `wildcardsInLast`, * and ?
// are allowed in the last part.
Status ResolveWindowsPath(std::string_view path, const std::string& currentFolder,
                          const std::function<std::string(char)>& driveFolder,
                          bool wildcardsInLast, WindowsPath& resolved);

// "C:\FS95\scenery", or "C:\" for a root.
std::string FormatWindowsPath(const WindowsPath& path);

char DriveKey(char letter);  // upper case

}  // namespace tolmarin::platform::memory
