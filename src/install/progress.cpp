#include "install/progress.h"

#include <cmath>
#include <limits>

namespace tolmarin::install {

std::int16_t ProgressPercent(std::int16_t total, std::int16_t copied) {
  if (total == 0 || copied == 0) return total == 0 ? 100 : 0;
  // Each step is rounded to single precision, also where the FPU computes
  // in a wider format, so that the ties come out as designed.
  const float ratio = static_cast<float>(total) / static_cast<float>(copied);
  const float percent = std::nearbyint(100.0f / ratio);
  constexpr float kLowest = std::numeric_limits<std::int16_t>::min();
  constexpr float kHighest = std::numeric_limits<std::int16_t>::max();
  if (!(percent >= kLowest)) return std::numeric_limits<std::int16_t>::min();
  if (!(percent <= kHighest)) return std::numeric_limits<std::int16_t>::max();
  return static_cast<std::int16_t>(percent);
}

std::string Update_files_copied(app::ProgramState& state) {
  if (state.CopiedFiles < std::numeric_limits<std::int16_t>::max()) ++state.CopiedFiles;
  const std::int16_t percent = ProgressPercent(state.TotalFiles, state.CopiedFiles);
  return (percent >= 0 ? " " : "") + std::to_string(percent) + "%";
}

}  // namespace tolmarin::install
