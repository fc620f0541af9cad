#include "install/installation_record.h"

#include <vector>

#include "app/product.h"
#include "registry/registry_access.h"

namespace tolmarin::install {

std::string UninstallCommand(const std::string& sourceFolder) {
  return "\"" + sourceFolder + "tolmarin.exe\" /UNINSTALL /INSTALLDIR" + sourceFolder;
}

RecordOutcome WriteInstallationRecord(app::App& app, std::int16_t season) {
  const app::ProgramState& state = app.state;
  struct Value {
    const char* key;
    const char* name;
    std::string text;
  };
  const std::vector<Value> values = {
      {app::kRecordKey, "InstalledTo", state.InstallFolder},
      {app::kRecordKey, "Fs6InstalledTo", state.SimFolder},
      {app::kRecordKey, "Season", std::to_string(season)},
      {app::kRecordKey, "Date", app.platform.clock.ShortDateText()},
      {app::kRecordKey, "Version", app::kVersion},
      {app::kRecordKey, "InstalledFrom", state.SourceFolder},
      {app::kRecordKey, "Language", std::to_string(state.CurrentLanguage)},
      {app::kUninstallKey, "DisplayName", app::kProductName},
      {app::kUninstallKey, "UninstallString", UninstallCommand(state.SourceFolder)},
  };
  for (const Value& value : values) {
    if (!registry::RegWriteString(app.platform.registry, platform::kHkeyLocalMachine, value.key,
                                  value.name, value.text)) {
      return RecordOutcome{false, value.key, value.name};
    }
  }
  return {};
}

void RemoveInstallationRecord(app::App& app) {
  registry::RegDeleteTree(app.platform.registry, platform::kHkeyLocalMachine, app::kRecordKey);
  registry::RegDeleteTree(app.platform.registry, platform::kHkeyLocalMachine,
                          app::kUninstallKey);
}

}  // namespace tolmarin::install
