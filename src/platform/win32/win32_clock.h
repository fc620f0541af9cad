// Today's date from the system clock, in the user's local time.
#pragma once

#include "platform/clock.h"

namespace tolmarin::platform::win32 {

class Win32Clock : public Clock {
 public:
  Date Today() override;
  std::string ShortDateText() override;  // GetDateFormatA with DATE_SHORTDATE
};

}  // namespace tolmarin::platform::win32
