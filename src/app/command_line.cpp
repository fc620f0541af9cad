#include "app/command_line.h"

#include <algorithm>

namespace tolmarin::app {

namespace {

std::string UpperCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  });
  return text;
}

constexpr std::string_view kInstallDir = "/INSTALLDIR";

}  // namespace

std::optional<std::string> InstallDirArgument(const std::string& arguments) {
  const std::size_t at = UpperCase(arguments).find(kInstallDir);
  if (at == std::string::npos) {
    return std::nullopt;
  }
  return arguments.substr(at + kInstallDir.size());
}

bool HasUninstallSwitch(const std::string& arguments) {
  return UpperCase(arguments).find("/UNINSTALL") != std::string::npos;
}

}  // namespace tolmarin::app
