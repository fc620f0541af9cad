// Removing the installed scenery.
#pragma once

namespace tolmarin::app {
class App;
}

namespace tolmarin::uninstall {

// Asks, then removes everything the installation put in place and ends the
// program; whatever could not be removed is named in one message instead of
// the completion message. Returns false, touching nothing, when the user
// declines.
bool UninstallScenery(app::App& app);

}  // namespace tolmarin::uninstall
