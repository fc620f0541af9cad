// frmLanguage: one button per language whose file was found, each captioned
// with the language's own name. Created once and hidden after use.
#pragma once

#include <array>

#include "lang/language_table.h"
#include "platform/windowing.h"
#include "ui/form.h"

namespace tolmarin::app {
class App;
}

namespace tolmarin::ui {

class LanguageDialog : public platform::WindowEvents {
 public:
  explicit LanguageDialog(app::App& app);

  // Shows the dialog modally; a language button sets CurrentLanguage. When
  // no language file was found there is nothing to choose and the dialog is
  // not shown; closing it keeps the language as it was.
  void ShowModal();

  Form form;
  std::array<Control*, lang::kLanguageCount> btnLanguage{};

  void OnClick(platform::ControlId control) override;
  void OnClose() override;

 private:
  void Load();

  app::App& app_;
  bool loaded_ = false;
};

// Shows frmLanguage, creating it on first use.
void ShowLanguageDialog(app::App& app);

}  // namespace tolmarin::ui
