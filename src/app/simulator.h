// Finding the simulator's folder and this scenery's entry for its list.
#pragma once

#include <string>

#include "app/app.h"

namespace tolmarin::app {

// SimFolder from the simulator's registry value "InstalledTo"; without it,
// from the folder dialog. Returns the folder found, or the empty text.
std::string LocateSimulator(App& app);

// SceneryListPath and SceneryEntry from the current SimFolder and
// InstallFolder.
void PrepareSceneryEntry(ProgramState& state);

}  // namespace tolmarin::app
