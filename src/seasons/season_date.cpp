#include "seasons/season_date.h"

#include "seasons/seasons.h"

namespace tolmarin::seasons {

namespace {

// A date as month * 31 + day: every date of the year gets its own number and
// the numbers keep the order of the dates.
constexpr int Key(int month, int day) { return month * 31 + day; }

}  // namespace

std::int16_t SeasonOfDate(const platform::Date& date) {
  const int key = Key(date.month, date.day);
  if (key >= Key(3, 21) && key < Key(6, 21)) return kSpring;
  if (key >= Key(6, 21) && key < Key(9, 21)) return kSummer;
  if (key >= Key(9, 21) && key < Key(12, 21)) return kFall;
  return kWinter;
}

void GetSystemSeason(platform::Clock& clock, std::int16_t& season) {
  season = SeasonOfDate(clock.Today());
}

}  // namespace tolmarin::seasons
