#include "app/commands.h"

#include "install/install_command.h"
#include "seasons/season_command.h"
#include "ui/about_window.h"
#include "uninstall/uninstall.h"

namespace tolmarin::app {

void InstallScenery(App& app) { install::InstallScenery(app); }
void ChooseInstallFolder(App& app) { install::ChooseInstallFolder(app); }
void InstallASeason(App& app) { seasons::InstallASeason(app); }
void UninstallScenery(App& app) { uninstall::UninstallScenery(app); }
void ShowCredits(App& app) { ui::ShowAboutWindow(app); }

}  // namespace tolmarin::app
