#include "platform/memory/memory_process.h"

#include <utility>

namespace tolmarin::platform::memory {

MemoryProcess::MemoryProcess(std::string arguments) : arguments_(std::move(arguments)) {}

std::string MemoryProcess::Arguments() { return arguments_; }

void MemoryProcess::EndProgram() {
  ended_ = true;
  throw ProgramEnded{};
}

Status MemoryProcess::StartProgram(const std::string& path) {
  started_.push_back(path);
  return startResult_;
}

const std::vector<std::string>& MemoryProcess::Started() const { return started_; }

void MemoryProcess::SetStartResult(Status result) { startResult_ = result; }

bool MemoryProcess::Ended() const { return ended_; }

}  // namespace tolmarin::platform::memory
