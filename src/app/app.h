// The running program: the platform, the program state and the windows.
#pragma once

#include <memory>
#include <string>

#include "app/program_state.h"
#include "platform/platform.h"
#include "ui/folder_dialog.h"
#include "ui/language_dialog.h"
#include "ui/main_window.h"

namespace tolmarin::app {

class App : public platform::WindowEvents {
 public:
  explicit App(platform::Platform& platform);
  ~App() override;

  platform::Platform& platform;
  ProgramState state;

  // Message n in the current language, looked up now.
  const std::string& Message(int number) const;

  // frmMain, created by start-up once the package folder is known.
  ui::MainWindow& frmMain();
  bool HasMainWindow() const { return mainWindow_ != nullptr; }
  void CreateMainWindow();
  // frmLanguage, created on first use and kept.
  ui::LanguageDialog& frmLanguage();
  // frmChooseDir, created on first use and kept.
  ui::FolderDialog& frmChooseDir();

  // frmMain's events.
  void OnMouseDown(platform::ControlId control, int button, int shift, double x,
                   double y) override;
  void OnMouseMove(platform::ControlId control, int button, int shift, double x,
                   double y) override;
  void OnClick(platform::ControlId control) override;
  void OnClose() override;

 private:
  std::unique_ptr<ui::MainWindow> mainWindow_;
  std::unique_ptr<ui::LanguageDialog> languageDialog_;
  std::unique_ptr<ui::FolderDialog> folderDialog_;
};

// Start-up, then the main window's events until the program ends.
void RunProgram(platform::Platform& platform);

}  // namespace tolmarin::app
