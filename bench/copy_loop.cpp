// copy_loop: the baseline of the install benchmark. Copies every plain file
// of each source folder into its target folder with CopyFileA and nothing
// else, and prints the milliseconds the copies took.
//
//   copy_loop SOURCE_FOLDER TARGET_FOLDER [SOURCE_FOLDER TARGET_FOLDER ...]
//
// Folders are given without a trailing backslash; targets must exist.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
  if (argc < 3 || argc % 2 == 0) {
    std::fprintf(stderr, "usage: copy_loop SOURCE TARGET [SOURCE TARGET ...]\n");
    return 2;
  }
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  long copied = 0;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string from = std::string(argv[i]) + "\\";
    const std::string to = std::string(argv[i + 1]) + "\\";
    WIN32_FIND_DATAA data;
    HANDLE search = FindFirstFileA((from + "*.*").c_str(), &data);
    if (search == INVALID_HANDLE_VALUE) continue;
    std::vector<std::string> names;
    do {
      if ((data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) names.push_back(data.cFileName);
    } while (FindNextFileA(search, &data));
    FindClose(search);
    for (const std::string& name : names) {
      if (!CopyFileA((from + name).c_str(), (to + name).c_str(), FALSE)) {
        std::fprintf(stderr, "copy_loop: %s failed: %lu\n", (from + name).c_str(), GetLastError());
        return 1;
      }
      ++copied;
    }
  }
  QueryPerformanceCounter(&end);
  const double ms = 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart);
  std::printf("%ld files %.1f ms\n", copied, ms);
  return 0;
}
