// Copying one season's ground textures into the scenery's TEXTURE folder.
#pragma once

#include <cstdint>
#include <string>

#include "app/app.h"
#include "install/copy_step.h"

namespace tolmarin::seasons {

// Copies the season's list from the package into folder + "\TEXTURE\" with
// the hourglass pointer, then titles the main window message 31, the last
// name of the list and " 100%". A number that is no season copies nothing.
// A copy that stops leaves the title at the file it stopped on.
install::CopyOutcome InstallSeasonFiles(app::App& app, const std::string& folder,
                                        std::int16_t season);

}  // namespace tolmarin::seasons
