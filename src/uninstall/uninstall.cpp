#include "uninstall/uninstall.h"

#include "app/app.h"
#include "app/paths.h"
#include "app/product.h"
#include "registry/registry_access.h"
#include "scenerylist/scenery_list_edit.h"
#include "scenerylist/scenery_list_file.h"
#include "uninstall/file_removal.h"
#include "uninstall/folder_safety.h"
#include "uninstall/removal_report.h"

namespace tolmarin::uninstall {

namespace {

using platform::kHkeyLocalMachine;

// The package lists whose files went into the simulator's own folders.
constexpr int kModList = 7;  // into PILOTS
constexpr int kVidList = 8;  // into VIDEOS
constexpr int kAdvList = 9;  // into ADV

// The scenery folder itself and its SCENERY and TEXTURE folders: their
// files first, then the folders, the inner ones before the outer. Only a
// folder below a drive root that is not the simulator's own (nor one above
// it) is touched; anything else would take files the program never put there.
void RemoveSceneryFolder(platform::FileSystem& files, const app::ProgramState& state,
                         RemovalReport& report) {
  const std::string folder = WithoutTrailingSeparators(state.InstallFolder);
  if (!IsDriveFolder(folder, false)) {
    report.LeftInPlace("The scenery folder \"" + state.InstallFolder +
                       "\" is not a folder below a drive root, so nothing in it was deleted.");
    return;
  }
  if (IsDriveFolder(state.SimFolder, true) && IsSameOrAbove(folder, state.SimFolder)) {
    report.LeftInPlace("The scenery folder \"" + state.InstallFolder +
                       "\" is the simulator's folder or holds it, so nothing in it was deleted.");
    return;
  }
  DeleteMatchingFiles(files, folder + "\\SCENERY\\*.*", report);
  DeleteMatchingFiles(files, folder + "\\TEXTURE\\*.*", report);
  // What the package's SC_BGL folder put into the scenery folder itself.
  DeleteMatchingFiles(files, folder + "\\*.*", report);
  RemoveFolderIfEmpty(files, folder + "\\SCENERY", report);
  RemoveFolderIfEmpty(files, folder + "\\TEXTURE", report);
  RemoveFolderIfEmpty(files, folder, report);
}

// An empty or relative simulator folder would make "\PILOTS\" and the list
// path point at the current drive's root or folder, so the simulator's files
// and its list are left alone then.
bool SimulatorFolderUsable(const app::ProgramState& state, RemovalReport& report) {
  if (IsDriveFolder(state.SimFolder, true)) return true;
  const std::string which = state.SimFolder.empty()
                                ? std::string("The simulator's folder is not known")
                                : "The simulator's folder \"" + state.SimFolder +
                                      "\" is not a full path";
  report.LeftInPlace(which +
                     ", so nothing was deleted from its PILOTS, VIDEOS and ADV folders and its "
                     "scenery list was not changed.");
  return false;
}

// The files in PILOTS, VIDEOS and ADV are known only by the names in the
// package's folders. Without the package (its "WINTER" entry marks it, as at
// start-up) the lists are empty or come from some other folder, so nothing
// is deleted and the user is told that these files are still there.
void RemoveSimulatorFiles(platform::FileSystem& files, const app::ProgramState& state,
                          RemovalReport& report) {
  if (!app::EntryExists(files, state.SourceFolder + "WINTER")) {
    report.LeftInPlace("The package folder " + state.SourceFolder +
                       " was not found, so the files it put into the simulator's PILOTS, VIDEOS "
                       "and ADV folders are not known and were left in place.");
    return;
  }
  const std::string sim = WithoutTrailingSeparators(state.SimFolder);
  DeleteListedFiles(files, sim + "\\PILOTS\\", state.FileLists[kModList], report);
  DeleteListedFiles(files, sim + "\\VIDEOS\\", state.FileLists[kVidList], report);
  DeleteListedFiles(files, sim + "\\ADV\\", state.FileLists[kAdvList], report);
}

bool KeyExists(platform::Registry& registry, const char* keyPath) {
  platform::RegKey key = 0;
  if (registry.OpenKey(kHkeyLocalMachine, keyPath, key) != platform::status::kOk) return false;
  registry.CloseKey(key);
  return true;
}

// A failed tree delete also means "it was not there", so only a key that is
// still there afterwards counts as left.
void RemoveRegistryKey(platform::Registry& registry, const char* keyPath, RemovalReport& report) {
  if (!registry::RegDeleteTree(registry, kHkeyLocalMachine, keyPath) &&
      KeyExists(registry, keyPath)) {
    report.LeftInPlace(std::string("The registry key HKEY_LOCAL_MACHINE\\") + keyPath +
                       " could not be deleted.");
  }
}

// Drops this scenery's entry and writes the list back. A list that cannot be
// handled stays as it is (the user was told why). Without a list file there
// is no entry to drop, and no file is made: a list written from memory
// would be one never read from that place, or an empty one the simulator
// never had.
void DropSceneryListEntry(platform::Platform& platform, app::ProgramState& state,
                          RemovalReport& report) {
  scenerylist::ListOutcome outcome = scenerylist::UnregisterSceneryArea(
      platform, state.SceneryListPath, state.SceneryList, state.SceneryEntry);
  if (outcome == scenerylist::ListOutcome::kNoFile) return;
  if (outcome == scenerylist::ListOutcome::kDone) {
    outcome = scenerylist::WriteSceneryList(platform, state.SceneryListPath, state.SceneryList);
  }
  if (outcome != scenerylist::ListOutcome::kDone) {
    report.LeftInPlace("The scenery list " + state.SceneryListPath + " still names \"" +
                       state.SceneryEntry.title + "\".");
  }
}

}  // namespace

bool UninstallScenery(app::App& app) {
  app::ProgramState& state = app.state;
  platform::MessageBoxes& boxes = app.platform.messageBoxes;
  const std::string title = app.Message(27);
  if (boxes.Show(app.Message(27) + " ?", platform::mb::kYesNo, title) !=
      platform::mb::kAnswerYes) {
    return false;
  }

  ui::Form& window = app.frmMain().form;
  window.SetPointer(platform::kHourglassPointer);

  RemovalReport report;
  RemoveSceneryFolder(app.platform.files, state, report);
  const bool simulatorUsable = SimulatorFolderUsable(state, report);
  if (simulatorUsable) RemoveSimulatorFiles(app.platform.files, state, report);
  RemoveRegistryKey(app.platform.registry, app::kRecordKey, report);
  RemoveRegistryKey(app.platform.registry, app::kUninstallKey, report);
  if (simulatorUsable) DropSceneryListEntry(app.platform, state, report);

  if (report.Empty()) {
    boxes.Show(app.Message(32), platform::mb::kOk, title);
  } else {
    boxes.Show(report.Text(), platform::mb::kExclamationOk, title);
  }
  window.SetPointer(platform::kDefaultPointer);
  app.platform.process.EndProgram();
  return true;  // not reached: the compiler does not see EndProgram's [[noreturn]] through the call
}

}  // namespace tolmarin::uninstall
