// The running program: its arguments, its end, and starting other programs.
#pragma once

#include <string>

#include "platform/status.h"

namespace tolmarin::platform {

class Process {
 public:
  virtual ~Process() = default;
  // The command-line arguments as one text, without the program's own path.
  virtual std::string Arguments() = 0;
  // Ends the program at once, closing every window.
  [[noreturn]] virtual void EndProgram() = 0;
  // Starts a program in a normal window that takes the focus, without
  // waiting for it. A path without extension gets the default one (.exe).
  virtual Status StartProgram(const std::string& path) = 0;
};

}  // namespace tolmarin::platform
