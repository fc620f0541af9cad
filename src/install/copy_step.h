// One file or folder step of a copy run, with the user's say when it fails.
//
// A failure whose code the "Disk Error" dialog knows is shown there: OK or
// Retry runs the same step again, at most kMaxFileStepAttempts times in all;
// any other answer stops the run. A failure the dialog does not know stops
// the run at once. Either way the caller gets the step and the reason, so
// that it can tell the user what is incomplete.
#pragma once

#include <functional>
#include <string>

#include "platform/platform.h"

namespace tolmarin::install {

struct CopyOutcome {
  bool completed = true;
  std::string step;  // what stopped the run, e.g. "copying A to B"
  platform::Status status = platform::status::kOk;
};

CopyOutcome RunCopyStep(platform::Platform& platform, const std::string& step,
                        const std::function<platform::Status()>& action);

// "copying A to B: the disk is full" for a stopped run.
std::string DescribeStop(const CopyOutcome& outcome);

}  // namespace tolmarin::install
