// frmMain: one picture box, picSfondo, filling the client area and holding
// the highlight pictures of both pages and lblSeason.
#pragma once

#include "platform/windowing.h"
#include "ui/form.h"

namespace tolmarin::ui {

struct MainWindow {
  MainWindow(platform::Windowing& windowing, platform::WindowEvents& events);

  Form form;
  Control& picSfondo;
  Control& imgNoSpace;
  Control& imgInstAboutOn;
  Control& ImgInstCessnaOn;
  Control& imgSpringOn;
  Control& imgWinterOn;
  Control& imgSummerOn;
  Control& imgFallOn;
  Control& imgTrashcanOn;
  Control& imgSeasonCessnaOn;
  Control& imgSeasonAboutOn;
  Control& lblSeason;
};

}  // namespace tolmarin::ui
