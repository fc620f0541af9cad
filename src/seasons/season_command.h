// The season change the user asks for with a click on the shown season.
#pragma once

#include "app/app.h"

namespace tolmarin::seasons {

// Asks, copies the selected season's textures and stores the season as
// "Season" in the installation record. A copy that stops is reported and
// leaves the stored season as it was.
void InstallASeason(app::App& app);

}  // namespace tolmarin::seasons
