// Plain words for why a platform call failed, to finish a sentence such as
// "... could not be copied: <reason>".
#pragma once

#include <string>

#include "platform/status.h"

namespace tolmarin::install {

std::string FailureReason(platform::Status status);

}  // namespace tolmarin::install
