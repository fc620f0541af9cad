// Placing windows and controls. All geometry is in twips; the layouts are
// drawn for 15 twips per pixel.
#pragma once

#include "platform/windowing.h"
#include "ui/form.h"

namespace tolmarin::ui {

// Moves the window to the middle of the screen, exactly (no rounding, no
// clamping: a window larger than the screen gets a negative left or top).
void CenterOnScreen(Form& window, const platform::ScreenMetrics& screen);

// Sizes the window around the picture box: 120 twips for the frame and 400
// for the frame and title bar.
void FitWindowToPicture(Form& window, const Control& pictureBox);

// Moves the control so that it keeps the pixel offset it has at 15 twips
// per pixel. Its size stays as it is.
void ScaleControlPosition(Control& control, const platform::ScreenMetrics& screen);

}  // namespace tolmarin::ui
