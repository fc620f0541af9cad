// Which folders the uninstall may delete in. The folders come from the
// registry, where anything may stand; a path that is empty, relative, a
// drive root or one that Windows would resolve elsewhere ("C:\FS95\..")
// would turn "every file in the scenery folder" into files the program
// never installed.
#pragma once

#include <string>

namespace tolmarin::uninstall {

// The path without the separators ("\" or "/") at its end.
std::string WithoutTrailingSeparators(const std::string& path);

// A drive letter, a colon, and nothing more or a separator followed by plain
// folder names: no empty name, none ending in a dot or a space (".", ".."
// and the like), no wildcard or other character a name cannot hold.
// `allowRoot` accepts "C:" and "C:\" as well. Trailing separators are not
// looked at.
bool IsDriveFolder(const std::string& path, bool allowRoot);

// The same folder, or one that holds `inner`, letter case and the kind of
// separator aside.
bool IsSameOrAbove(const std::string& outer, const std::string& inner);

}  // namespace tolmarin::uninstall
