#include "ui/main_window.h"

#include "resources/resource_ids.h"

namespace tolmarin::ui {

namespace {

using platform::ControlKind;
using platform::ControlLayout;

platform::WindowLayout MainWindowLayout() {
  platform::WindowLayout layout;
  layout.caption = "Durirezo ORVANNE launcher program";
  layout.clientWidth = 5535;
  layout.clientHeight = 6810;
  layout.border = platform::Border::kFixedSingle;
  return layout;
}

ControlLayout Background() {
  ControlLayout layout;
  layout.kind = ControlKind::kPictureBox;
  layout.name = "picSfondo";
  layout.left = 30;
  layout.top = 15;
  layout.width = 5475;
  layout.height = 6750;
  return layout;
}

ControlLayout Image(platform::ControlId container, const char* name, double left, double top,
                  double width, double height, int bitmap) {
  ControlLayout layout;
  layout.kind = ControlKind::kImage;
  layout.name = name;
  layout.container = container;
  layout.left = left;
  layout.top = top;
  layout.width = width;
  layout.height = height;
  layout.builtinBitmap = bitmap;
  return layout;
}

ControlLayout SeasonLabel(platform::ControlId container) {
  ControlLayout layout;
  layout.kind = ControlKind::kLabel;
  layout.name = "lblSeason";
  layout.container = container;
  layout.left = 3240;
  layout.top = 2175;
  layout.width = 1695;
  layout.height = 360;
  layout.font.face = "Arial";
  layout.font.points = 10.5;
  layout.font.weight = 700;
  return layout;
}

}  // namespace

MainWindow::MainWindow(platform::Windowing& windowing, platform::WindowEvents& events)
    : form(windowing, MainWindowLayout(), events),
      picSfondo(form.AddControl(Background())),
      imgNoSpace(form.AddControl(
          Image(picSfondo.Id(), "imgNoSpace", 2040, 1260, 1320, 1290, TOLMARIN_BMP_NO_SPACE))),
      imgInstAboutOn(form.AddControl(Image(picSfondo.Id(), "imgInstAboutOn", 1875, 0, 1650, 780,
                                           TOLMARIN_BMP_INST_ABOUT_ON))),
      ImgInstCessnaOn(form.AddControl(Image(picSfondo.Id(), "ImgInstCessnaOn", 780, 2820, 3915,
                                            1215, TOLMARIN_BMP_INST_CESSNA_ON))),
      imgSpringOn(form.AddControl(
          Image(picSfondo.Id(), "imgSpringOn", 3630, 990, 660, 1185, TOLMARIN_BMP_SPRING_ON))),
      imgWinterOn(form.AddControl(
          Image(picSfondo.Id(), "imgWinterOn", 3180, 990, 630, 1185, TOLMARIN_BMP_WINTER_ON))),
      imgSummerOn(form.AddControl(
          Image(picSfondo.Id(), "imgSummerOn", 4125, 990, 630, 1185, TOLMARIN_BMP_SUMMER_ON))),
      imgFallOn(form.AddControl(
          Image(picSfondo.Id(), "imgFallOn", 4590, 1005, 615, 1185, TOLMARIN_BMP_FALL_ON))),
      imgTrashcanOn(form.AddControl(Image(picSfondo.Id(), "imgTrashcanOn", 4920, 5775, 435, 540,
                                          TOLMARIN_BMP_TRASHCAN_ON))),
      imgSeasonCessnaOn(form.AddControl(Image(picSfondo.Id(), "imgSeasonCessnaOn", 15, 1905, 2445,
                                              1020, TOLMARIN_BMP_SEASON_CESSNA_ON))),
      imgSeasonAboutOn(form.AddControl(Image(picSfondo.Id(), "imgSeasonAboutOn", 1995, 60, 1425,
                                             645, TOLMARIN_BMP_SEASON_ABOUT_ON))),
      lblSeason(form.AddControl(SeasonLabel(picSfondo.Id()))) {}

}  // namespace tolmarin::ui
