#include "ui/about_window.h"

#include "app/app.h"
#include "resources/resource_ids.h"
#include "ui/window_placement.h"

namespace tolmarin::ui {

namespace {

platform::WindowSpec AboutWindowSpec() {
  platform::WindowSpec spec;
  spec.caption = "Durirezo ORVANNE credits";
  spec.clientWidth = 5550;
  spec.clientHeight = 6840;
  spec.border = platform::Border::kFixedDialog;
  return spec;
}

platform::ControlSpec CreditsPicture() {
  platform::ControlSpec spec;
  spec.kind = platform::ControlKind::kPictureBox;
  spec.name = "Picture1";
  spec.left = 12;
  spec.top = 24;
  spec.width = 5475;
  spec.height = 6750;
  spec.builtinBitmap = TOLMARIN_BMP_CREDITS;
  return spec;
}

}  // namespace

AboutWindow::AboutWindow(app::App& app)
    : form(app.platform.windowing, AboutWindowSpec(), *this),
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
