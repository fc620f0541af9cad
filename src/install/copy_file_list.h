// Copying one of the package's file lists, with the progress in the title.
#pragma once

#include <string>
#include <vector>

#include "app/app.h"
#include "install/copy_step.h"

namespace tolmarin::install {

// Copies every name of `list` (slot 1 on) from `from` to `to`, both ending
// in a backslash, replacing existing targets, and sets each copy's
// attributes to normal. Before each file the title shows message 31, the
// name and the percentage. Stops at the first step the user does not get
// through (see RunCopyStep); the files copied before it stay.
CopyOutcome CopyFileList(app::App& app, const std::vector<std::string>& list,
                         const std::string& from, const std::string& to);

}  // namespace tolmarin::install
