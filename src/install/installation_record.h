// The installation record and the entry in the system's list of removable
// programs, both under HKEY_LOCAL_MACHINE.
#pragma once

#include <cstdint>
#include <string>

#include "app/app.h"

namespace tolmarin::install {

// The command the system's list of removable programs runs. The program's
// path is quoted, so that a folder with spaces cannot start another program,
// and the package folder is named, since the system starts it elsewhere;
// "/INSTALLDIR" comes last because the folder runs to the end of the line.
std::string UninstallCommand(const std::string& sourceFolder);

struct RecordOutcome {
  bool written = true;
  std::string key;    // where the write failed
  std::string value;
};

// Writes the seven values of the record, then the two of the uninstall
// entry, in that order, stopping at the first that fails. `season` is the
// season installed.
RecordOutcome WriteInstallationRecord(app::App& app, std::int16_t season);

// Deletes both keys again, so that a record cut short claims nothing.
void RemoveInstallationRecord(app::App& app);

}  // namespace tolmarin::install
