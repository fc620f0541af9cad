#include "app/simulator.h"

#include "app/product.h"
#include "registry/registry_access.h"

namespace tolmarin::app {

std::string LocateSimulator(App& app) {
  if (registry::RegReadString(app.platform.registry, platform::kHkeyLocalMachine, kSimulatorKey,
                              "InstalledTo", app.state.SimFolder)) {
    return app.state.SimFolder;
  }
  // The folder dialog comes with the window layouts; until then nothing is
  // chosen and SimFolder stays as it was.
  return {};
}

void PrepareSceneryEntry(ProgramState& state) {
  state.SceneryListPath = state.SimFolder + "\\scenery\\world.vis";
  state.SceneryEntry.value1 = 30;
  state.SceneryEntry.value2 = 1;
  state.SceneryEntry.path = state.InstallFolder + "\\*.bgl";
  state.SceneryEntry.title = std::string(kProductName) + " " + kVersion;
}

}  // namespace tolmarin::app
