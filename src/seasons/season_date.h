// The season of a date: March 21 to June 20 spring, June 21 to September 20
// summer, September 21 to December 20 fall, December 21 to March 20 winter.
#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace tolmarin::seasons {

std::int16_t SeasonOfDate(const platform::Date& date);

// The season of today's date.
void GetSystemSeason(platform::Clock& clock, std::int16_t& season);

}  // namespace tolmarin::seasons
