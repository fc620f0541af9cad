// Deleting files and removing folders for the uninstall. A missing file or
// folder is no error; anything that should go and does not is recorded in
// the report, and the caller goes on with its next step.
#pragma once

#include <string>
#include <vector>

#include "platform/file_system.h"
#include "uninstall/removal_report.h"

namespace tolmarin::uninstall {

// Deletes every ordinary file (not a folder, not hidden, not system) that
// matches `pattern`, a path whose last part may hold wildcards.
void DeleteMatchingFiles(platform::FileSystem& files, const std::string& pattern,
                         RemovalReport& report);

// DeleteMatchingFiles(folder + name) for each name of `list` from slot 1 on;
// `folder` ends with a backslash.
void DeleteListedFiles(platform::FileSystem& files, const std::string& folder,
                       const std::vector<std::string>& list, RemovalReport& report);

// Removes the folder if it exists and holds no ordinary file.
void RemoveFolderIfEmpty(platform::FileSystem& files, const std::string& folder,
                         RemovalReport& report);

}  // namespace tolmarin::uninstall
