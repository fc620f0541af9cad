#include "app/main_window_behaviour.h"

namespace tolmarin::app {

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

void MainWindowMouseDown(App& /*app*/, platform::ControlId /*control*/, int /*button*/,
                         int /*shift*/, double /*x*/, double /*y*/) {}

void MainWindowMouseMove(App& /*app*/, platform::ControlId /*control*/, int /*button*/,
                         int /*shift*/, double /*x*/, double /*y*/) {}

void MainWindowClick(App& /*app*/, platform::ControlId /*control*/) {}

}  // namespace tolmarin::app
