#include "platform/memory/fixed_clock.h"

#include <utility>

namespace tolmarin::platform::memory {

FixedClock::FixedClock(Date today, std::string shortText)
    : today_(today), shortText_(std::move(shortText)) {}

Date FixedClock::Today() { return today_; }

std::string FixedClock::ShortDateText() {
  if (!shortText_.empty()) return shortText_;
  return std::to_string(today_.month) + "/" + std::to_string(today_.day) + "/" +
         std::to_string(today_.year);
}

void FixedClock::Set(Date today) { today_ = today; }

void FixedClock::SetShortText(std::string shortText) { shortText_ = std::move(shortText); }

}  // namespace tolmarin::platform::memory
