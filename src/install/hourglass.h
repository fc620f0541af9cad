// The main window's hourglass pointer for as long as a copy runs; the
// default pointer comes back however the copy ends.
#pragma once

#include "platform/windowing.h"
#include "ui/form.h"

namespace tolmarin::install {

class HourglassPointer {
 public:
  explicit HourglassPointer(ui::Form& window) : window_(window) {
    window_.SetPointer(platform::kHourglassPointer);
  }
  ~HourglassPointer() { window_.SetPointer(platform::kDefaultPointer); }
  HourglassPointer(const HourglassPointer&) = delete;
  HourglassPointer& operator=(const HourglassPointer&) = delete;

 private:
  ui::Form& window_;
};

}  // namespace tolmarin::install
