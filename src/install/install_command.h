// The install page's commands: installing the scenery, and choosing another
// destination when the default one lacks space.
#pragma once

#include "app/app.h"

namespace tolmarin::install {

// Checks the simulator folder, its scenery list and the free space, asks,
// then copies the package, adds the scenery to the list and records the
// installation. Whatever stops it on the way is reported as incomplete, and
// nothing after the stop is written.
void InstallScenery(app::App& app);

// Lets the user pick the parent of the destination; hides the no-space
// indicator when the new drive has room.
void ChooseInstallFolder(app::App& app);

}  // namespace tolmarin::install
