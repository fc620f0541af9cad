// The commands behind the main window's pictures. Each runs to its end
// inside the click that started it.
#pragma once

#include "app/app.h"

namespace tolmarin::app {

void InstallScenery(App& app);       // the install page's aircraft
void ChooseInstallFolder(App& app);  // the no-space indicator
void InstallASeason(App& app);       // the shown season picture
void UninstallScenery(App& app);     // the trash can
void LaunchSimulator(App& app);      // the season page's aircraft
void ShowCredits(App& app);          // either logo

}  // namespace tolmarin::app
