// Case-insensitive wildcard matching, in the two flavours the fakes need.
#pragma once

#include <string_view>

namespace tolmarin::platform::memory {

// `*` matches any run of characters (backslashes included), `?` exactly one.
// Used for the path patterns of injected faults.
bool GlobMatch(std::string_view pattern, std::string_view text);

// A folder listing's name mask, as Wine's directory search applies it: like
// GlobMatch, and once the name is used up, whatever remains of the mask may
// be dots and stars only. So "*.*" matches "README" and "abc.*" matches "abc".
bool FileNameMatch(std::string_view mask, std::string_view name);

// ASCII letter case folding, as the ANSI paths and key names here need.
char FoldUpper(char c);
char FoldLower(char c);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

}  // namespace tolmarin::platform::memory
