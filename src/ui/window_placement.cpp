#include "ui/window_placement.h"

namespace tolmarin::ui {

void CenterOnScreen(Form& window, const platform::ScreenMetrics& screen) {
  window.Move((screen.width - window.Width()) / 2, (screen.height - window.Height()) / 2);
}

void FitWindowToPicture(Form& window, const Control& pictureBox) {
  window.Resize(pictureBox.Width() + 120, pictureBox.Height() + 400);
}

void ScaleControlPosition(Control& control, const platform::ScreenMetrics& screen) {
  const double ratioX = screen.twipsPerPixelX / 15;
  const double ratioY = screen.twipsPerPixelY / 15;
  control.Move(control.Left() * ratioX, control.Top() * ratioY);
}

}  // namespace tolmarin::ui
