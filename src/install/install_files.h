// Copying the whole package: the scenery folder and its subfolders, the
// content lists, today's season textures and the patch of the simulator's
// "scenery\munich.bgl".
#pragma once

#include <string>

#include "app/app.h"
#include "install/copy_step.h"

namespace tolmarin::install {

// `destination` has no trailing backslash (InstallFolder). Stops at the first
// step the user does not get through; what was copied before it stays.
CopyOutcome InstallFiles(app::App& app, const std::string& destination);

}  // namespace tolmarin::install
