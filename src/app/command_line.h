// The two command-line switches, recognised in any letter case anywhere in
// the arguments.
#pragma once

#include <optional>
#include <string>

namespace tolmarin::app {

// The text after "/INSTALLDIR" up to the end of the arguments, verbatim (a
// blank after the switch becomes part of the folder).
std::optional<std::string> InstallDirArgument(const std::string& arguments);

bool HasUninstallSwitch(const std::string& arguments);

}  // namespace tolmarin::app
