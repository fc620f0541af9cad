#include "app/simulator.h"

#include "app/product.h"
#include "registry/registry_access.h"

namespace tolmarin::app {

std::string LocateSimulator(App& app) {
  if (registry::RegReadString(app.platform.registry, platform::kHkeyLocalMachine, kSimulatorKey,
                              "InstalledTo", app.state.SimFolder)) {
    return app.state.SimFolder;
  }
  ui::FolderDialog& dialog = app.frmChooseDir();
  dialog.form.SetCaption("Choose Flight Simulator directory");
  dialog.ShowModal();
  if (!dialog.directory.empty()) {
    app.state.SimFolder = dialog.directory;
    return app.state.SimFolder;
  }
  app.platform.messageBoxes.Show(app.Message(5) + " ", platform::mb::kStopOk, app.Message(4));
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
