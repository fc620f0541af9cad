#include "platform/memory/wildcard.h"

#include <cstddef>

namespace tolmarin::platform::memory {

char FoldUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

char FoldLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (FoldUpper(a[i]) != FoldUpper(b[i])) return false;
  }
  return true;
}

namespace {

// Iterative matching with one backtrack point (the last star), which is
// enough for `*` and `?`. `restMayBeDots` selects the listing rule.
bool Match(std::string_view mask, std::string_view name, bool restMayBeDots) {
  std::size_t m = 0;
  std::size_t n = 0;
  std::size_t starMask = std::string_view::npos;
  std::size_t starName = 0;
  while (n < name.size()) {
    if (m < mask.size() && mask[m] == '*') {
      starMask = ++m;
      starName = n;
    } else if (m < mask.size() && (mask[m] == '?' || FoldUpper(mask[m]) == FoldUpper(name[n]))) {
      ++m;
      ++n;
    } else if (starMask != std::string_view::npos) {
      m = starMask;
      n = ++starName;
    } else {
      return false;
    }
  }
  while (m < mask.size() && (mask[m] == '*' || (restMayBeDots && mask[m] == '.'))) ++m;
  return m == mask.size();
}

}  // namespace

bool GlobMatch(std::string_view pattern, std::string_view text) {
  return Match(pattern, text, false);
}

bool FileNameMatch(std::string_view mask, std::string_view name) {
  return Match(mask, name, true);
}

}  // namespace tolmarin::platform::memory
