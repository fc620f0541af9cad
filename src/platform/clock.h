// Today's date.
#pragma once

#include <string>

namespace tolmarin::platform {

struct Date {
  int day = 1;    // 1..31
  int month = 1;  // 1..12
  int year = 2000;
};

class Clock {
 public:
  virtual ~Clock() = default;
  virtual Date Today() = 0;
  // Today in the user's short date format, as the system formats it.
  virtual std::string ShortDateText() = 0;
};

}  // namespace tolmarin::platform
