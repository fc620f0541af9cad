#include "ui/language_dialog.h"

#include "app/app.h"

namespace tolmarin::ui {

// The dialog's window comes with the window layouts; until then the
// language stays as it is.
void ShowLanguageDialog(app::App& /*app*/) {}

}  // namespace tolmarin::ui
