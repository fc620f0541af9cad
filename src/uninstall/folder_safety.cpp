#include "uninstall/folder_safety.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace tolmarin::uninstall {

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsDriveLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool IsPlainName(const std::string& name) {
  if (name.empty() || name.back() == '.' || name.back() == ' ') return false;
  for (char c : name) {
    if (static_cast<unsigned char>(c) < 32 || std::strchr("<>:\"|?*", c) != nullptr) {
      return false;
    }
  }
  return true;
}

// Upper case, "\" separators, no trailing ones.
std::string Canonical(const std::string& path) {
  std::string result = WithoutTrailingSeparators(path);
  for (char& c : result) {
    c = IsSeparator(c) ? '\\' : static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return result;
}

}  // namespace

std::string WithoutTrailingSeparators(const std::string& path) {
  std::string::size_type end = path.size();
  while (end > 0 && IsSeparator(path[end - 1])) --end;
  return path.substr(0, end);
}

bool IsDriveFolder(const std::string& path, bool allowRoot) {
  const std::string trimmed = WithoutTrailingSeparators(path);
  if (trimmed.size() < 2 || !IsDriveLetter(trimmed[0]) || trimmed[1] != ':') return false;
  if (trimmed.size() == 2) return allowRoot;
  if (!IsSeparator(trimmed[2])) return false;  // "C:FS95" is relative to C:'s own folder

  std::string name;
  for (std::string::size_type i = 3; i <= trimmed.size(); ++i) {
    if (i == trimmed.size() || IsSeparator(trimmed[i])) {
      if (!IsPlainName(name)) return false;
      name.clear();
    } else {
      name += trimmed[i];
    }
  }
  return true;
}

bool IsSameOrAbove(const std::string& outer, const std::string& inner) {
  const std::string a = Canonical(outer);
  const std::string b = Canonical(inner);
  return b == a || (b.size() > a.size() && b.compare(0, a.size(), a) == 0 && b[a.size()] == '\\');
}

}  // namespace tolmarin::uninstall
