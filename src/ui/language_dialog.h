// frmLanguage: one button per language whose file was found.
#pragma once

namespace tolmarin::app {
class App;
}

namespace tolmarin::ui {

// Shows the language dialog modally; it may change CurrentLanguage.
void ShowLanguageDialog(app::App& app);

}  // namespace tolmarin::ui
