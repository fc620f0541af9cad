#include "seasons/season_command.h"

#include "app/product.h"
#include "install/copy_step.h"
#include "registry/registry_access.h"
#include "seasons/season_files.h"

namespace tolmarin::seasons {

void InstallASeason(app::App& app) {
  app::ProgramState& state = app.state;
  platform::MessageBoxes& boxes = app.platform.messageBoxes;
  const std::string& title = app.Message(24);
  if (boxes.Show(app.Message(25) + " " + state.SelectedSeasonName + " ?", platform::mb::kYesNo,
                 title) != platform::mb::kAnswerYes) {
    return;
  }

  state.CopiedFiles = 0;
  const install::CopyOutcome outcome =
      InstallSeasonFiles(app, state.InstallFolder, state.SelectedSeason);
  if (!outcome.completed) {
    boxes.Show("The change to " + state.SelectedSeasonName + " is incomplete: " +
                   install::DescribeStop(outcome) +
                   ".\rSome textures may already be those of the new season; the season "
                   "stored for the next start was not changed. Choose the season again to "
                   "complete the change.",
               platform::mb::kStopOk, title);
    return;
  }

  if (!registry::RegWriteString(app.platform.registry, platform::kHkeyLocalMachine,
                                app::kRecordKey, "Season",
                                std::to_string(state.SelectedSeason))) {
    boxes.Show("The textures of " + state.SelectedSeasonName +
                   " are installed, but the season could not be stored in the registry "
                   "(value \"Season\" of HKEY_LOCAL_MACHINE\\" + std::string(app::kRecordKey) +
                   ").\rThe next start will show the season stored before.",
               platform::mb::kStopOk, title);
    return;
  }
  boxes.Show(app.Message(26), platform::mb::kOk, title);
}

}  // namespace tolmarin::seasons
