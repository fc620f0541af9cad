// A file or disk operation that failed, raised to the nearest handler that
// asks the user what to do (the start-up's error handling, for instance).
#pragma once

#include <string>

#include "platform/status.h"

namespace tolmarin::install {

struct FileFailure {
  platform::Status status = 0;  // the Windows error code
  std::string path;
};

}  // namespace tolmarin::install
