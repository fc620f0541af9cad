// The package's file lists: the plain files of each of the eleven source
// folders, counted for the copy progress.
#pragma once

#include <string>

#include "app/program_state.h"
#include "platform/file_system.h"

namespace tolmarin::install {

// Empties and refills all eleven lists from the folders under SourceFolder
// and counts TotalFiles (the spring, summer and fall lists are not counted:
// only one season is ever copied, and the winter list stands for it).
void RebuildFileLists(platform::FileSystem& files, app::ProgramState& state);

// Appends the plain files of `folder` (no folders, no hidden or system
// files) to list `list`. A missing folder adds nothing.
void CollectFiles(platform::FileSystem& files, const std::string& folder, int list,
                  app::ProgramState& state);

}  // namespace tolmarin::install
