#include "ui/folder_dialog.h"

#include <algorithm>

#include "app/app.h"
#include "ui/window_placement.h"

namespace tolmarin::ui {

namespace {

using platform::ControlKind;
using platform::ControlLayout;

platform::WindowLayout FolderDialogLayout() {
  platform::WindowLayout layout;
  layout.clientWidth = 4860;
  layout.clientHeight = 4125;
  layout.border = platform::Border::kFixedDialog;
  return layout;
}

ControlLayout Make(ControlKind kind, const char* name, double left, double top, double width,
                 double height, const char* caption, int tabIndex, bool isDefault = false) {
  ControlLayout layout;
  layout.kind = kind;
  layout.name = name;
  layout.left = left;
  layout.top = top;
  layout.width = width;
  layout.height = height;
  layout.caption = caption;
  layout.tabIndex = tabIndex;
  layout.isDefault = isDefault;
  return layout;
}

std::string UpperDrive(const std::string& path) {
  std::string drive = path.substr(0, 2);
  if (!drive.empty() && drive[0] >= 'a' && drive[0] <= 'z') drive[0] = static_cast<char>(drive[0] - 32);
  return drive;
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return lower(x) < lower(y);
  });
}

}  // namespace

// Controls are added in tab order: dir1, btnOK, btnCancel, drive1.
FolderDialog::FolderDialog(app::App& app)
    : form(app.platform.windowing, FolderDialogLayout(), *this),
      dir1(form.AddControl(
          Make(ControlKind::kFolderList, "dir1", 135, 585, 4635, 2505, "", 0))),
      btnOK(form.AddControl(
          Make(ControlKind::kButton, "btnOK", 3285, 3495, 1455, 480, "&OK", 1, true))),
      btnCancel(form.AddControl(
          Make(ControlKind::kButton, "btnCancel", 120, 3495, 1365, 495, "&Cancel", 2))),
      drive1(form.AddControl(
          Make(ControlKind::kDriveList, "drive1", 135, 135, 4650, 315, "", 3))),
      app_(app) {
  FillDrives();
  if (!OpenFolder(app.platform.files.CurrentFolder()) && !drives_.empty()) {
    OpenFolder(drives_.front());
  }
}

void FolderDialog::FillDrives() {
  drives_ = app_.platform.files.Drives();
  std::vector<std::string> items;
  for (const std::string& drive : drives_) items.push_back(drive.substr(0, 2));
  int selected = -1;
  for (std::size_t i = 0; i < drives_.size(); ++i) {
    if (UpperDrive(drives_[i]) == UpperDrive(path_)) selected = static_cast<int>(i);
  }
  app_.platform.windowing.SetListItems(form.Id(), drive1.Id(), items, selected);
}

bool FolderDialog::OpenFolder(const std::string& path) {
  if (path.size() < 2) return false;
  std::vector<platform::DirEntry> entries;
  const std::string base = path.back() == '\\' ? path : path + "\\";
  const platform::Status listed = app_.platform.files.FindEntries(base + "*", entries);
  if (listed != platform::status::kOk && listed != platform::status::kFileNotFound) {
    return false;
  }

  const bool driveChanged = UpperDrive(path) != UpperDrive(path_);
  path_ = base.size() == 3 ? base : base.substr(0, base.size() - 1);

  // The open folder's ancestors from the root down, then its subfolders.
  lines_.clear();
  std::string walked = path_.substr(0, 2) + "\\";
  lines_.push_back({walked, walked});
  std::size_t depth = 1;
  for (std::size_t at = 3; at < path_.size();) {
    const std::size_t end = std::min(path_.find('\\', at), path_.size());
    const std::string name = path_.substr(at, end - at);
    walked = walked.back() == '\\' ? walked + name : walked + "\\" + name;
    lines_.push_back({walked, std::string(2 * depth++, ' ') + name});
    at = end + 1;
  }
  const int open = static_cast<int>(lines_.size()) - 1;
  std::vector<std::string> subfolders;
  for (const platform::DirEntry& entry : entries) {
    if ((entry.attributes & platform::attr::kDirectory) != 0 && entry.name != "." &&
        entry.name != "..") {
      subfolders.push_back(entry.name);
    }
  }
  std::sort(subfolders.begin(), subfolders.end(), LessIgnoringCase);
  for (const std::string& name : subfolders) {
    lines_.push_back({base + name, std::string(2 * depth, ' ') + name});
  }

  std::vector<std::string> items;
  for (const FolderLine& line : lines_) items.push_back(line.text);
  app_.platform.windowing.SetListItems(form.Id(), dir1.Id(), items, open);
  if (driveChanged) FillDrives();
  return true;
}

void FolderDialog::ShowModal() {
  if (!sized_) {
    const platform::ScreenMetrics screen = app_.platform.windowing.Screen();
    for (Control* control : {&btnCancel, &btnOK, &dir1, &drive1}) {
      ScaleControlPosition(*control, screen);
    }
    CenterOnScreen(form, screen);
    sized_ = true;
  }
  form.ShowModal();
}

void FolderDialog::OnClick(platform::ControlId control) {
  if (control == btnOK.Id()) {
    // The folder that is open, not one merely highlighted.
    directory = path_;
    if (!directory.empty() && directory.back() == '\\') directory.pop_back();
    form.Hide();
  } else if (control == btnCancel.Id()) {
    directory.clear();
    form.Hide();
  }
}

void FolderDialog::OnDoubleClick(platform::ControlId control) {
  if (control != dir1.Id()) return;
  const int line = app_.platform.windowing.ListSelection(form.Id(), dir1.Id());
  if (line >= 0 && static_cast<std::size_t>(line) < lines_.size()) {
    OpenFolder(lines_[static_cast<std::size_t>(line)].path);
  }
}

void FolderDialog::OnChange(platform::ControlId control) {
  if (control != drive1.Id()) return;
  const int index = app_.platform.windowing.ListSelection(form.Id(), drive1.Id());
  if (index < 0 || static_cast<std::size_t>(index) >= drives_.size()) return;
  const std::string& drive = drives_[static_cast<std::size_t>(index)];
  // The drive's own current folder when it is the current drive, else its root.
  const std::string current = app_.platform.files.CurrentFolder();
  const bool opened = UpperDrive(current) == UpperDrive(drive) ? OpenFolder(current) || OpenFolder(drive)
                                                                : OpenFolder(drive);
  if (!opened) {
    // No readable medium: stay where the list was, with its drive shown.
    FillDrives();
  }
}

// The close box acts as Cancel.
void FolderDialog::OnClose() {
  directory.clear();
  form.Hide();
}

}  // namespace tolmarin::ui
