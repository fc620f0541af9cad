#include "app/main_window_behaviour.h"

#include "app/commands.h"

namespace tolmarin::app {

namespace {

// Strictly inside: a point on an edge is outside.
bool PointInControl(const ui::Control& control, double x, double y) {
  return control.Left() < x && x < control.Left() + control.Width() && control.Top() < y &&
         y < control.Top() + control.Height();
}

void SetTitle(App& app, int message) { app.frmMain().form.SetCaption(app.Message(message)); }

void SelectOnSeasonPage(App& app, double x, double y) {
  ui::MainWindow& w = app.frmMain();
  if (PointInControl(w.imgWinterOn, x, y)) {
    HighlightSeason(app, 1);
  } else if (PointInControl(w.imgSpringOn, x, y)) {
    HighlightSeason(app, 2);
  } else if (PointInControl(w.imgSummerOn, x, y)) {
    HighlightSeason(app, 3);
  } else if (PointInControl(w.imgFallOn, x, y)) {
    HighlightSeason(app, 4);
  } else if (PointInControl(w.imgTrashcanOn, x, y)) {
    w.imgTrashcanOn.Show();
    SetTitle(app, 27);
  } else if (PointInControl(w.imgSeasonCessnaOn, x, y)) {
    w.imgSeasonCessnaOn.Show();
    SetTitle(app, 28);
  } else if (PointInControl(w.imgSeasonAboutOn, x, y)) {
    SetTitle(app, 29);
    w.imgSeasonAboutOn.Show();
  } else {
    // The season selection and lblSeason stay as they are.
    w.imgSeasonAboutOn.Hide();
    w.imgTrashcanOn.Hide();
    w.imgSeasonCessnaOn.Hide();
    SetTitle(app, 6);
  }
}

void SelectOnInstallPage(App& app, double x, double y) {
  ui::MainWindow& w = app.frmMain();
  if (PointInControl(w.ImgInstCessnaOn, x, y)) {
    w.ImgInstCessnaOn.Show();
    SetTitle(app, 30);
  } else if (PointInControl(w.imgInstAboutOn, x, y)) {
    SetTitle(app, 29);
    w.imgInstAboutOn.Show();
  } else {
    w.imgInstAboutOn.Hide();
    w.ImgInstCessnaOn.Hide();
    SetTitle(app, 6);
  }
}

}  // namespace

void HighlightSeason(App& app, std::int16_t season) {
  ui::MainWindow& w = app.frmMain();
  ui::Control* pictures[] = {&w.imgWinterOn, &w.imgSpringOn, &w.imgSummerOn, &w.imgFallOn};
  for (int n = 1; n <= 4; ++n) {
    pictures[n - 1]->SetVisible(n == season);
  }
  app.state.SelectedSeasonName = app.state.SeasonNames.at(static_cast<std::size_t>(season));
  app.state.SelectedSeason = season;
  w.lblSeason.Show();
  w.lblSeason.SetCaption(app.state.SelectedSeasonName);
  w.form.SetCaption(app.Message(22) + " " + app.state.SelectedSeasonName);
}

// Any mouse button selects; a press over a shown picture belongs to that
// picture (its click runs the command) and selects nothing.
void MainWindowMouseDown(App& app, platform::ControlId control, int /*button*/, int /*shift*/,
                         double x, double y) {
  if (control != app.frmMain().picSfondo.Id()) {
    return;
  }
  if (app.state.Installed) {
    SelectOnSeasonPage(app, x, y);
  } else {
    SelectOnInstallPage(app, x, y);
  }
}

void MainWindowMouseMove(App& app, platform::ControlId control, int /*button*/, int /*shift*/,
                         double /*x*/, double /*y*/) {
  if (control == app.frmMain().imgNoSpace.Id()) {
    SetTitle(app, 21);
  }
}

void MainWindowClick(App& app, platform::ControlId control) {
  ui::MainWindow& w = app.frmMain();
  const auto is = [&](const ui::Control& c) { return c.Id() == control && c.Visible(); };
  if (is(w.imgNoSpace)) {
    ChooseInstallFolder(app);
  } else if (is(w.imgInstAboutOn) || is(w.imgSeasonAboutOn)) {
    ShowCredits(app);
  } else if (is(w.ImgInstCessnaOn)) {
    InstallScenery(app);
  } else if (is(w.imgWinterOn) || is(w.imgSpringOn) || is(w.imgSummerOn) || is(w.imgFallOn)) {
    InstallASeason(app);
  } else if (is(w.imgTrashcanOn)) {
    UninstallScenery(app);
  } else if (is(w.imgSeasonCessnaOn)) {
    LaunchSimulator(app);
  }
}

}  // namespace tolmarin::app
