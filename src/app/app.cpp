#include "app/app.h"

#include "app/main_window_behaviour.h"
#include "app/startup.h"
#include "lang/message_table.h"

namespace tolmarin::app {

App::App(platform::Platform& platform_) : platform(platform_) {}

App::~App() = default;

const std::string& App::Message(int number) const {
  return lang::MessageText(state.Texts, state.CurrentLanguage, number);
}

ui::MainWindow& App::frmMain() {
  if (!mainWindow_) {
    CreateMainWindow();
  }
  return *mainWindow_;
}

void App::CreateMainWindow() {
  mainWindow_ = std::make_unique<ui::MainWindow>(platform.windowing, *this);
}

ui::LanguageDialog& App::frmLanguage() {
  if (!languageDialog_) {
    languageDialog_ = std::make_unique<ui::LanguageDialog>(*this);
  }
  return *languageDialog_;
}

ui::FolderDialog& App::frmChooseDir() {
  if (!folderDialog_) {
    folderDialog_ = std::make_unique<ui::FolderDialog>(*this);
  }
  return *folderDialog_;
}

void App::OnMouseDown(platform::ControlId control, int button, int shift, double x, double y) {
  MainWindowMouseDown(*this, control, button, shift, x, y);
}

void App::OnMouseMove(platform::ControlId control, int button, int shift, double x, double y) {
  MainWindowMouseMove(*this, control, button, shift, x, y);
}

void App::OnClick(platform::ControlId control) { MainWindowClick(*this, control); }

// Closing frmMain ends the program at once, whatever else is open.
void App::OnClose() { platform.process.EndProgram(); }

void RunProgram(platform::Platform& platform) {
  App app(platform);
  StartUp(app);
  app.frmMain().form.Show();
  platform.windowing.RunEventLoop();
}

}  // namespace tolmarin::app
