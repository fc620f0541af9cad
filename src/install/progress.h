// The copy progress shown in the main window's title.
#pragma once

#include <cstdint>
#include <string>

#include "app/program_state.h"

namespace tolmarin::install {

// 100 / (total / copied) in single precision, rounded to the nearest whole
// number with ties to even (0.5 gives 0, 1.5 gives 2). With nothing counted
// (total 0) the run is shown as complete: 100.
std::int16_t ProgressPercent(std::int16_t total, std::int16_t copied);

// Counts one more file of the run and returns its percentage as the title
// shows it: one leading space, the number and "%" (" 45%").
std::string Update_files_copied(app::ProgramState& state);

}  // namespace tolmarin::install
