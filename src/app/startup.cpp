#include "app/startup.h"

#include <exception>
#include <functional>

#include "app/command_line.h"
#include "app/main_window_behaviour.h"
#include "app/paths.h"
#include "app/product.h"
#include "app/simulator.h"
#include "install/file_errors.h"
#include "install/file_failure.h"
#include "install/file_lists.h"
#include "install/folders.h"
#include "install/free_space.h"
#include "lang/language_file.h"
#include "lang/leading_number.h"
#include "registry/registry_access.h"
#include "ui/language_dialog.h"
#include "ui/window_placement.h"
#include "uninstall/uninstall.h"

namespace tolmarin::app {

namespace {

using platform::kHkeyLocalMachine;

// Runs one start-up step under the start-up error handling: a file failure
// goes to the file-error dialog, and only "go on" resumes with the next
// step; any other answer, or a failure that is not a file error, ends the
// program.
void RunStartupStep(App& app, const std::function<void()>& step) {
  try {
    step();
  } catch (const install::FileFailure& failure) {
    const int code = install::RuntimeErrorFromStatus(failure.status);
    if (install::ReportFileError(app.platform.messageBoxes, code) !=
        install::file_error::kGoOn) {
      app.platform.process.EndProgram();
    }
  } catch (const std::exception&) {
    app.platform.process.EndProgram();
  }
}

// Without "/INSTALLDIR" the current folder must be the package folder,
// which its "WINTER" entry shows; otherwise the program ends silently.
void FindPackageFolder(App& app) {
  platform::FileSystem& files = app.platform.files;
  if (std::optional<std::string> folder = InstallDirArgument(app.platform.process.Arguments())) {
    install::ChangeToFolder(files, *folder);
    return;
  }
  if (!EntryExists(files, InCurrentFolder(files, "WINTER"))) {
    app.platform.process.EndProgram();
  }
}

bool ReadRecord(App& app, const char* valueName, std::string& result) {
  return registry::RegReadString(app.platform.registry, kHkeyLocalMachine, kRecordKey,
                                 valueName, result);
}

void HideAllPictures(ui::MainWindow& window) {
  for (ui::Control* control :
       {&window.imgWinterOn, &window.imgSpringOn, &window.imgSummerOn, &window.imgFallOn,
        &window.imgTrashcanOn, &window.imgSeasonCessnaOn, &window.ImgInstCessnaOn,
        &window.imgSeasonAboutOn, &window.imgInstAboutOn, &window.lblSeason,
        &window.imgNoSpace}) {
    control->Hide();
  }
}

}  // namespace

void StartUp(App& app) {
  platform::FileSystem& files = app.platform.files;
  RunStartupStep(app, [&] { FindPackageFolder(app); });
  app.CreateMainWindow();
  RunStartupStep(app, [&] { lang::LoadLanguages(files, app.state.Texts); });
  RunStartupStep(app, [&] { app.frmMain().form.SetCaption(app.Message(6)); });
  RunStartupStep(app, [&] { app.state.SourceFolder = AddBackslash(files.CurrentFolder()); });
  RunStartupStep(app, [&] {
    ui::CenterOnScreen(app.frmMain().form, app.platform.windowing.Screen());
  });
  RunStartupStep(app, [&] {
    ui::MainWindow& w = app.frmMain();
    const platform::ScreenMetrics screen = app.platform.windowing.Screen();
    for (ui::Control* control :
         {&w.imgInstAboutOn, &w.imgNoSpace, &w.ImgInstCessnaOn, &w.imgSeasonCessnaOn,
          &w.imgWinterOn, &w.imgSpringOn, &w.imgSummerOn, &w.imgFallOn, &w.imgTrashcanOn,
          &w.imgSeasonAboutOn, &w.lblSeason}) {
      ui::ScaleControlPosition(*control, screen);
    }
  });
  RunStartupStep(app, [&] { RefreshMainWindow(app); });
}

void RefreshMainWindow(App& app) {
  ProgramState& state = app.state;
  platform::FileSystem& files = app.platform.files;
  ui::MainWindow& window = app.frmMain();

  install::RebuildFileLists(files, state);
  HideAllPictures(window);

  if (ReadRecord(app, "InstalledTo", state.InstallFolder)) {
    // Season page. A "Language" outside 0..6 falls back to language 0.
    std::string language;
    ReadRecord(app, "Language", language);
    state.CurrentLanguage =
        static_cast<std::int16_t>(lang::LeadingInteger(language, 0, 6).value_or(0));
    SetSeasonNames(app);

    std::string season;
    ReadRecord(app, "Season", season);
    if (season == "1" || season == "2" || season == "3" || season == "4") {
      HighlightSeason(app, static_cast<std::int16_t>(season[0] - '0'));
    }

    ReadRecord(app, "Fs6InstalledTo", state.SimFolder);
    if (!PlainFileExists(files, state.SimFolder + "\\scenery\\world.vis")) {
      LocateSimulator(app);
    }
    state.SourceFolder = AddBackslash(files.CurrentFolder());

    if (HasUninstallSwitch(app.platform.process.Arguments())) {
      lang::LoadLanguages(files, state.Texts);
      PrepareSceneryEntry(state);
      uninstall::UninstallScenery(app);
      app.platform.process.EndProgram();
    }

    LoadBackground(app, window.picSfondo, "seas_off.bmp");
    ui::FitWindowToPicture(window.form, window.picSfondo);
    state.Installed = true;
  } else {
    // Install page.
    if (!state.LanguageAsked) {
      state.LanguageAsked = true;
      ui::ShowLanguageDialog(app);
    }
    SetSeasonNames(app);
    state.Installed = false;
    LocateSimulator(app);
    state.InstallFolder = state.SimFolder + "\\Orvanne";
    LoadBackground(app, window.picSfondo, "inst_off.bmp");
    ui::FitWindowToPicture(window.form, window.picSfondo);
  }

  if (!state.SimFolder.empty()) {
    PrepareSceneryEntry(state);
    // Exactly the required space counts as enough here.
    if (!state.Installed &&
        install::FreeMegabytes(files, state.InstallFolder.substr(0, 2) + "\\") <
            install::kRequiredMegabytes) {
      window.imgNoSpace.Show();
    }
  }
}

void SetSeasonNames(App& app) {
  app.state.SeasonNames[1] = app.Message(10);
  app.state.SeasonNames[2] = app.Message(7);
  app.state.SeasonNames[3] = app.Message(8);
  app.state.SeasonNames[4] = app.Message(9);
}

void LoadBackground(App& app, ui::Control& pictureBox, const std::string& fileName) {
  const std::string path = InCurrentFolder(app.platform.files, fileName);
  if (PlainFileExists(app.platform.files, path)) {
    pictureBox.LoadPicture(path);
  }
}

}  // namespace tolmarin::app
