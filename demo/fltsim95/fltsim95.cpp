// fltsim95.exe of the demo simulator: a stand-in that only records that it
// was started. Each start appends its command line and its current folder to
// "fltsim95.started" beside the program, then the program ends.
#include <windows.h>

#include <string>

namespace {

std::string ProgramFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

std::string CurrentFolder() {
  char path[MAX_PATH] = {};
  const DWORD length = GetCurrentDirectoryA(MAX_PATH, path);
  return length > 0 && length < MAX_PATH ? std::string(path, length) : std::string();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show) {
  const std::string record = ProgramFolder() + "fltsim95.started";
  const std::string line = std::string("command line: ") + GetCommandLineA() +
                           "\r\ncurrent folder: " + CurrentFolder() +
                           "\r\nshow: " + std::to_string(show) + "\r\n";
  HANDLE file = CreateFileA(record.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == line.size() ? 0 : 1;
}
