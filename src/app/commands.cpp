#include "app/commands.h"

#include "ui/about_window.h"
#include "uninstall/uninstall.h"

namespace tolmarin::app {

// Commands that arrive with later work do nothing yet and claim nothing.
void InstallScenery(App& /*app*/) {}
void ChooseInstallFolder(App& /*app*/) {}
void InstallASeason(App& /*app*/) {}
void LaunchSimulator(App& /*app*/) {}

void UninstallScenery(App& app) { uninstall::UninstallScenery(app); }

}  // namespace tolmarin::app

namespace tolmarin::app {

void ShowCredits(App& app) { ui::ShowAboutWindow(app); }

}  // namespace tolmarin::app
