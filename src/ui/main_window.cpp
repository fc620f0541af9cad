#include "ui/main_window.h"

#include "resources/resource_ids.h"

namespace tolmarin::ui {

namespace {

using platform::ControlKind;
using platform::ControlSpec;

platform::WindowSpec MainWindowSpec() {
  platform::WindowSpec spec;
  spec.caption = "Durirezo ORVANNE launcher program";
  spec.clientWidth = 5535;
  spec.clientHeight = 6810;
  spec.border = platform::Border::kFixedSingle;
  return spec;
}

ControlSpec Background() {
  ControlSpec spec;
  spec.kind = ControlKind::kPictureBox;
  spec.name = "picSfondo";
  spec.left = 30;
  spec.top = 15;
  spec.width = 5475;
  spec.height = 6750;
  return spec;
}

ControlSpec Image(platform::ControlId container, const char* name, double left, double top,
                  double width, double height, int bitmap) {
  ControlSpec spec;
  spec.kind = ControlKind::kImage;
  spec.name = name;
  spec.container = container;
  spec.left = left;
  spec.top = top;
  spec.width = width;
  spec.height = height;
  spec.builtinBitmap = bitmap;
  return spec;
}

ControlSpec SeasonLabel(platform::ControlId container) {
  ControlSpec spec;
  spec.kind = ControlKind::kLabel;
  spec.name = "lblSeason";
  spec.container = container;
  spec.left = 3240;
  spec.top = 2175;
  spec.width = 1695;
  spec.height = 360;
  spec.font.face = "Arial";
  spec.font.points = 10.5;
  spec.font.weight = 700;
  return spec;
}

}  // namespace

MainWindow::MainWindow(platform::Windowing& windowing, platform::WindowEvents& events)
    : form(windowing, MainWindowSpec(), events),
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
