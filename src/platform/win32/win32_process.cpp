#include "platform/win32/win32_process.h"

#include <string>

#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {

namespace {

// kernel32 functions that older systems lack, looked up at run time.
template <typename Function>
Function Kernel32Function(const char* name) {
  HMODULE kernel32 = GetModuleHandleA("kernel32.dll");
  if (kernel32 == nullptr) return nullptr;
  FARPROC found = GetProcAddress(kernel32, name);
  // Through void(*)(), which GCC accepts as a cast to any function type.
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

bool HasExtension(const std::string& path) {
  std::string::size_type name = path.find_last_of("\\/:");
  std::string::size_type dot = path.find_last_of('.');
  return dot != std::string::npos && (name == std::string::npos || dot > name);
}

}  // namespace

std::string ArgumentsOf(const std::string& commandLine) {
  std::string::size_type at = 0;
  if (!commandLine.empty() && commandLine[0] == '"') {
    std::string::size_type close = commandLine.find('"', 1);
    at = close == std::string::npos ? commandLine.size() : close + 1;
  }
  while (at < commandLine.size() && commandLine[at] != ' ' && commandLine[at] != '\t') ++at;
  while (at < commandLine.size() && (commandLine[at] == ' ' || commandLine[at] == '\t')) ++at;
  return commandLine.substr(at);
}

std::string Win32Process::Arguments() { return ArgumentsOf(GetCommandLineA()); }

void Win32Process::EndProgram() { ExitProcess(0); }

Status Win32Process::StartProgram(const std::string& path) {
  std::string program = HasExtension(path) ? path : path + ".exe";
  std::string commandLine = "\"" + program + "\"";
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION started{};
  // The program starts in its own folder, as a shortcut to it would. When
  // that folder is missing, the start fails on the program's path.
  const std::size_t slash = program.find_last_of("\\/");
  std::string folder = slash == std::string::npos ? std::string() : program.substr(0, slash);
  if (folder.size() == 2 && folder[1] == ':') folder += '\\';
  const DWORD folderAttributes = folder.empty() ? INVALID_FILE_ATTRIBUTES
                                                : GetFileAttributesA(folder.c_str());
  if (folderAttributes == INVALID_FILE_ATTRIBUTES ||
      (folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
    folder.clear();
  }
  if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
    return static_cast<Status>(GetLastError());
  }
  // We hold the foreground (the user just clicked); let the new program take it.
  using AllowForeground = BOOL(WINAPI*)(DWORD);
  HMODULE user32 = GetModuleHandleA("user32.dll");
  if (user32 != nullptr) {
    auto allow = reinterpret_cast<AllowForeground>(
        reinterpret_cast<void (*)()>(GetProcAddress(user32, "AllowSetForegroundWindow")));
    if (allow != nullptr) allow(started.dwProcessId);
  }
  CloseHandle(started.hThread);
  CloseHandle(started.hProcess);
  return status::kOk;
}

void RestrictDllSearch() {
  constexpr DWORD kSearchSystem32 = 0x00000800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  using SetDefaultDirectories = BOOL(WINAPI*)(DWORD);
  using SetDirectory = BOOL(WINAPI*)(LPCSTR);
  if (auto setDefault = Kernel32Function<SetDefaultDirectories>("SetDefaultDllDirectories")) {
    setDefault(kSearchSystem32);
  }
  if (auto setDirectory = Kernel32Function<SetDirectory>("SetDllDirectoryA")) setDirectory("");
}

}  // namespace tolmarin::platform::win32
