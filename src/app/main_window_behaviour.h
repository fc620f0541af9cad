// frmMain's reactions to the mouse: selecting areas, the season highlight
// and the commands behind the shown pictures.
#pragma once

#include <cstdint>

#include "app/app.h"

namespace tolmarin::app {

// Shows season n's picture (hiding the other three) and lblSeason with its
// name, sets SelectedSeason and the title "message 22 <name>".
void HighlightSeason(App& app, std::int16_t season);

void MainWindowMouseDown(App& app, platform::ControlId control, int button, int shift, double x,
                         double y);
void MainWindowMouseMove(App& app, platform::ControlId control, int button, int shift, double x,
                         double y);
void MainWindowClick(App& app, platform::ControlId control);

}  // namespace tolmarin::app
