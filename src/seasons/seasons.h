// The four seasons: their numbers, source folders and names.
#pragma once

#include <cstdint>

namespace tolmarin::seasons {

inline constexpr std::int16_t kWinter = 1;
inline constexpr std::int16_t kSpring = 2;
inline constexpr std::int16_t kSummer = 3;
inline constexpr std::int16_t kFall = 4;

inline bool IsSeason(std::int16_t season) { return season >= kWinter && season <= kFall; }

// The season's folder below the package folder ("WINTER"); its file list has
// the same number as the season. Empty for a number that is no season.
const char* SeasonFolder(std::int16_t season);

}  // namespace tolmarin::seasons
