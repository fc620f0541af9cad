// frmChooseDir: pick a folder on any drive with a drive list and a folder
// list. Created on first use and only hidden afterwards, so a second use
// shows the drive and folder where the user left them.
#pragma once

#include <string>
#include <vector>

#include "platform/windowing.h"
#include "ui/form.h"

namespace tolmarin::app {
class App;
}

namespace tolmarin::ui {

class FolderDialog : public platform::WindowEvents {
 public:
  explicit FolderDialog(app::App& app);

  // Shows the dialog modally and returns once OK or Cancel hid it. Read
  // `directory` afterwards: empty when cancelled, otherwise the open folder
  // without a trailing backslash ("C:" for the root of drive C).
  void ShowModal();

  std::string directory;

  Form form;
  Control& dir1;
  Control& btnOK;
  Control& btnCancel;
  Control& drive1;

  // The folder open in dir1 ("C:\" for a root, "C:\FS95" below it).
  const std::string& Path() const { return path_; }

  void OnClick(platform::ControlId control) override;
  void OnDoubleClick(platform::ControlId control) override;
  void OnChange(platform::ControlId control) override;
  void OnClose() override;

 private:
  struct FolderLine {
    std::string path;
    std::string text;
  };

  // Opens `path` in dir1 when it can be listed; returns false, changing
  // nothing, when it cannot (a drive without a medium, a folder gone).
  bool OpenFolder(const std::string& path);
  void FillDrives();

  app::App& app_;
  bool sized_ = false;
  std::string path_;
  std::vector<std::string> drives_;  // "C:\", "D:\"...
  std::vector<FolderLine> lines_;
};

}  // namespace tolmarin::ui
