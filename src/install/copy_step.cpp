#include "install/copy_step.h"

#include "install/failure_reason.h"
#include "install/file_errors.h"
#include "scenerylist/scenery_list_file.h"

namespace tolmarin::install {

CopyOutcome RunCopyStep(platform::Platform& platform, const std::string& step,
                        const std::function<platform::Status()>& action) {
  for (int attempt = 1;; ++attempt) {
    const platform::Status status = action();
    if (status == platform::status::kOk) return {};
    const CopyOutcome stopped{false, step, status};
    const int code = RuntimeErrorFromStatus(status);
    if (!HasFileErrorMessage(code)) return stopped;
    // An OK-only message would bring the same failure back for as long as
    // its cause lasts; the attempts are bounded as for the scenery list.
    if (ReportFileError(platform.messageBoxes, code) != file_error::kRetry ||
        attempt >= scenerylist::kMaxFileStepAttempts) {
      return stopped;
    }
  }
}

std::string DescribeStop(const CopyOutcome& outcome) {
  return outcome.step + ": " + FailureReason(outcome.status);
}

}  // namespace tolmarin::install
