// The running program through kernel32: command line, exit, starting others.
#pragma once

#include "platform/process.h"

namespace tolmarin::platform::win32 {

class Win32Process : public Process {
 public:
  std::string Arguments() override;
  [[noreturn]] void EndProgram() override;
  Status StartProgram(const std::string& path) override;
};

// The command line without the program's own path (quoted or not) and the
// blanks after it.
std::string ArgumentsOf(const std::string& commandLine);

// Keeps every later DLL load out of the program's own folder and the current
// folder, where a package medium could plant one: system folder only where
// SetDefaultDllDirectories exists (Windows 8, or 7 with its update), and
// never the current folder. On older systems the program's folder stays in
// the search order; nothing in the process can change that.
void RestrictDllSearch();

}  // namespace tolmarin::platform::win32
