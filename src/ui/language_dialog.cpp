#include "ui/language_dialog.h"

#include "app/app.h"
#include "ui/window_placement.h"

namespace tolmarin::ui {

namespace {

platform::WindowLayout LanguageDialogLayout() {
  platform::WindowLayout layout;
  layout.caption = "LANGUAGE SELECTION";
  layout.clientWidth = 3240;
  layout.clientHeight = 4065;
  layout.border = platform::Border::kFixedDialog;
  return layout;
}

}  // namespace

LanguageDialog::LanguageDialog(app::App& app)
    : form(app.platform.windowing, LanguageDialogLayout(), *this), app_(app) {
  for (int i = 0; i < lang::kLanguageCount; ++i) {
    platform::ControlLayout layout;
    layout.kind = platform::ControlKind::kButton;
    layout.name = "btnLanguage(";
    layout.name += std::to_string(i);
    layout.name += ")";
    layout.left = 720;
    layout.top = 360 + 480 * i;
    layout.width = 1695;
    layout.height = 375;
    layout.tabIndex = i;
    btnLanguage[static_cast<std::size_t>(i)] = &form.AddControl(layout);
  }
}

void LanguageDialog::Load() {
  CenterOnScreen(form, app_.platform.windowing.Screen());
  for (int i = 0; i < lang::kLanguageCount; ++i) {
    Control& button = *btnLanguage[static_cast<std::size_t>(i)];
    if (app_.state.Texts.languageAvailable[static_cast<std::size_t>(i)]) {
      button.SetCaption(app_.state.Texts.languageNames[static_cast<std::size_t>(i)]);
      button.Show();
      ScaleControlPosition(button, app_.platform.windowing.Screen());
    } else {
      button.Hide();
    }
  }
  loaded_ = true;
}

void LanguageDialog::ShowModal() {
  bool anyLanguage = false;
  for (bool available : app_.state.Texts.languageAvailable) anyLanguage = anyLanguage || available;
  if (!anyLanguage) {
    return;
  }
  if (!loaded_) {
    Load();
  }
  form.ShowModal();
}

void LanguageDialog::OnClick(platform::ControlId control) {
  for (int i = 0; i < lang::kLanguageCount; ++i) {
    if (btnLanguage[static_cast<std::size_t>(i)]->Id() == control) {
      app_.state.CurrentLanguage = static_cast<std::int16_t>(i);
      form.Hide();
      return;
    }
  }
}

void LanguageDialog::OnClose() { form.Hide(); }

void ShowLanguageDialog(app::App& app) { app.frmLanguage().ShowModal(); }

}  // namespace tolmarin::ui
