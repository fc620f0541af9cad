// A clock that shows the date a test sets.
#pragma once

#include <string>

#include "platform/clock.h"

namespace tolmarin::platform::memory {

class FixedClock : public Clock {
 public:
  // Without a short text the date is written as Wine's default locale
  // (English, United States) writes it: month/day/year, "7/15/2026".
  explicit FixedClock(Date today = Date{}, std::string shortText = "");

  Date Today() override;
  std::string ShortDateText() override;

  void Set(Date today);  // keeps a short text given explicitly
  void SetShortText(std::string shortText);

 private:
  Date today_;
  std::string shortText_;
};

}  // namespace tolmarin::platform::memory
