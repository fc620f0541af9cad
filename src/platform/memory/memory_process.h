// The running program, for tests: fixed arguments, recorded starts, and an
// end that unwinds to the test.
#pragma once

#include <string>
#include <vector>

#include "platform/process.h"

namespace tolmarin::platform::memory {

// Thrown by EndProgram. Not a std::exception, so no handler in the core
// that catches those can swallow the end of the program.
struct ProgramEnded {};

class MemoryProcess : public Process {
 public:
  explicit MemoryProcess(std::string arguments = "");

  std::string Arguments() override;
  [[noreturn]] void EndProgram() override;
  // Records the path as given and answers with the result set (kOk at first).
  Status StartProgram(const std::string& path) override;

  const std::vector<std::string>& Started() const;
  void SetStartResult(Status result);
  bool Ended() const;  // EndProgram was called

 private:
  std::string arguments_;
  std::vector<std::string> started_;
  Status startResult_ = status::kOk;
  bool ended_ = false;
};

}  // namespace tolmarin::platform::memory
