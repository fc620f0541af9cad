#include "ui/about_window.h"

#include "app/app.h"
#include "resources/resource_ids.h"
#include "ui/window_placement.h"

namespace tolmarin::ui {

namespace {

platform::WindowLayout AboutWindowLayout() {
  platform::WindowLayout layout;
  layout.caption = "Durirezo ORVANNE credits";
  layout.clientWidth = 5550;
  layout.clientHeight = 6840;
  layout.border = platform::Border::kFixedDialog;
  return layout;
}

platform::ControlLayout CreditsPicture() {
  platform::ControlLayout layout;
  layout.kind = platform::ControlKind::kPictureBox;
  layout.name = "Picture1";
  layout.left = 12;
  layout.top = 24;
  layout.width = 5475;
  layout.height = 6750;
  layout.builtinBitmap = TOLMARIN_BMP_CREDITS;
  return layout;
}

}  // namespace

AboutWindow::AboutWindow(app::App& app)
    : form(app.platform.windowing, AboutWindowLayout(), *this),
      Picture1(form.AddControl(CreditsPicture())),
      app_(app) {}

void AboutWindow::OnClose() {
  form.Hide();
  app_.frmMain().form.Show();
}

void ShowAboutWindow(app::App& app) {
  AboutWindow about(app);
  FitWindowToPicture(about.form, about.Picture1);
  CenterOnScreen(about.form, app.platform.windowing.Screen());
  about.form.SetCaption(app.Message(1));
  about.form.ShowModal();
}

}  // namespace tolmarin::ui
