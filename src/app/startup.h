// Start-up: finds the package folder, loads the language texts, places
// frmMain and runs the first refresh. Also the main window's refresh.
#pragma once

#include <string>

#include "app/app.h"

namespace tolmarin::app {

// The start-up sequence, run once before frmMain is first shown. Ends the
// program when no package folder is found, or when the user does not go on
// after a failure.
void StartUp(App& app);

// Reads the installation record and sets up the install page or the season
// page. With "/UNINSTALL" and a record it runs the uninstall and ends.
void RefreshMainWindow(App& app);

// SeasonNames in the current language: 1 winter = message 10, 2 spring =
// message 7, 3 summer = message 8, 4 fall = message 9.
void SetSeasonNames(App& app);

// Loads a bitmap named relative to the current folder into the picture box,
// if such a plain file exists; otherwise leaves the box as it is.
void LoadBackground(App& app, ui::Control& pictureBox, const std::string& fileName);

}  // namespace tolmarin::app
