#include "seasons/season_files.h"

#include "install/copy_file_list.h"
#include "install/hourglass.h"
#include "seasons/seasons.h"

namespace tolmarin::seasons {

install::CopyOutcome InstallSeasonFiles(app::App& app, const std::string& folder,
                                        std::int16_t season) {
  std::string lastName;
  if (IsSeason(season)) {
    const auto& list = app.state.FileLists[static_cast<std::size_t>(season)];
    install::HourglassPointer hourglass(app.frmMain().form);
    install::CopyOutcome outcome =
        install::CopyFileList(app, list, app.state.SourceFolder + SeasonFolder(season) + "\\",
                              folder + "\\TEXTURE\\");
    if (!outcome.completed) return outcome;
    lastName = list.size() > 1 ? list.back() : std::string();
  }
  app.frmMain().form.SetCaption(app.Message(31) + " " + lastName + " 100%");
  return {};
}

}  // namespace tolmarin::seasons
