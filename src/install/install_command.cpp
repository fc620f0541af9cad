#include "install/install_command.h"

#include <cstdint>
#include <string>

#include "app/paths.h"
#include "app/product.h"
#include "app/simulator.h"
#include "app/startup.h"
#include "install/copy_step.h"
#include "install/free_space.h"
#include "install/install_files.h"
#include "install/installation_record.h"
#include "install/scenery_list_check.h"
#include "scenerylist/scenery_list_edit.h"
#include "scenerylist/scenery_list_file.h"
#include "seasons/season_date.h"

namespace tolmarin::install {

namespace {

namespace sl = scenerylist;
using platform::mb::kStopOk;

// After a stop the window goes back to the install page as a declined
// installation leaves it, with the title of a fresh start.
void ReturnToInstallPage(app::App& app) {
  app.frmMain().form.SetCaption(app.Message(6));
  app::RefreshMainWindow(app);
}

void ReportIncomplete(app::App& app, const std::string& what, const std::string& title) {
  app.platform.messageBoxes.Show(
      "The installation is incomplete: " + what +
          ".\rThe files copied so far stay in place. The scenery was not added to the "
          "simulator's scenery list and the installation was not recorded; run the "
          "installation again once the cause is mended.",
      kStopOk, title);
  ReturnToInstallPage(app);
}

// Adds this scenery's entry to the list read again from the file, and
// writes it back. False when the list was refused or has gone.
bool RegisterWithSimulator(app::App& app, std::string& what) {
  app::ProgramState& state = app.state;
  switch (sl::RegisterSceneryArea(app.platform, state.SceneryListPath, state.SceneryList,
                                  state.SceneryEntry)) {
    case sl::ListOutcome::kDone:
      break;
    case sl::ListOutcome::kNoFile:
      what = "the scenery list " + state.SceneryListPath + " is no longer there";
      return false;
    case sl::ListOutcome::kRefused:
      what = "the scenery list " + state.SceneryListPath + " could not take the scenery";
      return false;
  }
  if (sl::WriteSceneryList(app.platform, state.SceneryListPath, state.SceneryList) !=
      sl::ListOutcome::kDone) {
    what = "the scenery list " + state.SceneryListPath + " could not be written";
    return false;
  }
  return true;
}

std::string ConfirmationText(app::App& app) {
  return app.Message(14) + "  " + app.Message(15) + "\r" + app.state.InstallFolder + "\r" +
         "( " + std::to_string(kRequiredMegabytes) + app.Message(16) + " )?";
}

}  // namespace

void InstallScenery(app::App& app) {
  app::ProgramState& state = app.state;
  platform::MessageBoxes& boxes = app.platform.messageBoxes;
  const std::string title = app.Message(14);

  if (state.SimFolder.empty()) {
    boxes.Show(app.Message(19), kStopOk, title);
    app.platform.process.EndProgram();
  }
  if (!app::PlainFileExists(app.platform.files, state.SceneryListPath)) {
    boxes.Show(app.Message(5) + " " + state.SimFolder, kStopOk, title);
    return;
  }
  if (app.frmMain().imgNoSpace.Visible()) {
    boxes.Show(app.Message(12) + " " + state.InstallFolder + "\r" + app.Message(13), kStopOk,
               title);
    return;
  }
  if (boxes.Show(ConfirmationText(app), platform::mb::kYesNo, title) !=
      platform::mb::kAnswerYes) {
    state.InstallFolder = state.SimFolder;
    app::RefreshMainWindow(app);
    return;
  }

  // A list that cannot take the entry stops the installation before
  // anything is copied.
  app::PrepareSceneryEntry(state);
  switch (CheckSceneryListTakesEntry(app.platform, state.SceneryListPath, state.SceneryList,
                                     state.SceneryEntry)) {
    case sl::ListOutcome::kDone:
      break;
    case sl::ListOutcome::kNoFile:
      boxes.Show(app.Message(5) + " " + state.SimFolder, kStopOk, title);
      return;
    case sl::ListOutcome::kRefused:
      return;
  }

  if (CopyOutcome copied = InstallFiles(app, state.InstallFolder); !copied.completed) {
    ReportIncomplete(app, DescribeStop(copied), title);
    return;
  }
  app::PrepareSceneryEntry(state);
  if (std::string what; !RegisterWithSimulator(app, what)) {
    ReportIncomplete(app, what, title);
    return;
  }

  std::int16_t season = 0;
  seasons::GetSystemSeason(app.platform.clock, season);
  if (RecordOutcome record = WriteInstallationRecord(app, season); !record.written) {
    RemoveInstallationRecord(app);
    boxes.Show("The installation could not be recorded: the value \"" + record.value +
                   "\" of HKEY_LOCAL_MACHINE\\" + record.key +
                   " could not be written (writing there may need an administrator).\rThe "
                   "scenery files are copied and the scenery is in the simulator's scenery "
                   "list, but without the record the program does not know it is installed. "
                   "Run the installation again with the rights to write there.",
               kStopOk, title);
    ReturnToInstallPage(app);
    return;
  }

  seasons::GetSystemSeason(app.platform.clock, season);
  boxes.Show(app.Message(17) + " " + state.InstallFolder + "\r" + app.Message(18) + " : " +
                 state.SeasonNames[static_cast<std::size_t>(season)],
             platform::mb::kOk, title);
  state.Installed = true;
  app::RefreshMainWindow(app);
}

void ChooseInstallFolder(app::App& app) {
  ui::FolderDialog& dialog = app.frmChooseDir();
  dialog.form.SetCaption(app.Message(20));
  dialog.ShowModal();
  app.state.InstallFolder = dialog.directory + "\\Orvanne";
  if (FreeMegabytes(app.platform.files, app.state.InstallFolder.substr(0, 2) + "\\") >
      kRequiredMegabytes) {
    app.frmMain().imgNoSpace.Hide();
  }
}

}  // namespace tolmarin::install
