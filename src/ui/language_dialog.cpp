#include "ui/language_dialog.h"

#include "app/app.h"
#include "ui/window_placement.h"

namespace tolmarin::ui {

namespace {

platform::WindowSpec LanguageDialogSpec() {
  platform::WindowSpec spec;
  spec.caption = "LANGUAGE SELECTION";
  spec.clientWidth = 3240;
  spec.clientHeight = 4065;
  spec.border = platform::Border::kFixedDialog;
  return spec;
}

}  // namespace

LanguageDialog::LanguageDialog(app::App& app)
    : form(app.platform.windowing, LanguageDialogSpec(), *this), app_(app) {
  for (int i = 0; i < lang::kLanguageCount; ++i) {
    platform::ControlSpec spec;
    spec.kind = platform::ControlKind::kButton;
    spec.name = "btnLanguage(";
    spec.name += std::to_string(i);
    spec.name += ")";
    spec.left = 720;
    spec.top = 360 + 480 * i;
    spec.width = 1695;
    spec.height = 375;
    spec.tabIndex = i;
    btnLanguage[static_cast<std::size_t>(i)] = &form.AddControl(spec);
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
