#include "app/simulator.h"

#include "app/commands.h"
#include "app/product.h"
#include "install/failure_reason.h"
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

// Asks, then starts the simulator without waiting for it; a program that
// cannot be started is reported rather than passed over in silence.
void LaunchSimulator(App& app) {
  const std::string title = std::string(kProductName) + " FS Launcher";
  platform::MessageBoxes& boxes = app.platform.messageBoxes;
  if (boxes.Show(app.Message(28) + " ? ", platform::mb::kYesNo, title) !=
      platform::mb::kAnswerYes) {
    return;
  }
  const std::string program = app.state.SimFolder + "\\fltsim95";
  if (const platform::Status status = app.platform.process.StartProgram(program);
      status != platform::status::kOk) {
    boxes.Show("The simulator " + program + " could not be started: " +
                   install::FailureReason(status) + ".",
               platform::mb::kStopOk, title);
  }
}

}  // namespace tolmarin::app
