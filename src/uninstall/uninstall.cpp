#include "uninstall/uninstall.h"

#include "app/app.h"

namespace tolmarin::uninstall {

// The removal steps come with the uninstall command; until then nothing is
// touched and nothing is claimed.
bool UninstallScenery(app::App& /*app*/) { return false; }

}  // namespace tolmarin::uninstall
