// Windows without pixels: every window and control as plain data, with
// drivers that let a test press, move and close the way a user would.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/file_system.h"
#include "platform/windowing.h"

namespace tolmarin::platform::memory {

struct MemoryControl {
  ControlLayout layout;  // left, top, width and height kept up to date
  bool visible = true;
  std::string picturePath;  // last bitmap loaded from a file
  std::vector<std::string> items;  // drive and folder lists
  int selected = -1;
};

struct MemoryWindow {
  WindowLayout layout;
  WindowEvents* events = nullptr;
  std::string caption;
  Bounds bounds;
  bool visible = false;
  bool modal = false;
  bool destroyed = false;
  int pointer = kDefaultPointer;
  std::vector<MemoryControl> controls;  // indexed by ControlId
};

class MemoryWindowing : public Windowing {
 public:
  // Bitmaps are read through `files` (their size comes from the BMP header).
  explicit MemoryWindowing(FileSystem* files = nullptr);

  WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) override;
  ControlId AddControl(WindowId window, const ControlLayout& layout) override;
  void DestroyWindow(WindowId window) override;
  void SetCaption(WindowId window, const std::string& caption) override;
  void SetWindowBounds(WindowId window, double left, double top, double width,
                       double height) override;
  Bounds WindowBounds(WindowId window) override;
  void ShowWindow(WindowId window) override;
  void ShowModal(WindowId window) override;
  void HideWindow(WindowId window) override;
  void SetPointer(WindowId window, int pointer) override;
  void SetControlBounds(WindowId window, ControlId control, double left, double top,
                        double width, double height) override;
  void SetControlVisible(WindowId window, ControlId control, bool visible) override;
  void SetControlCaption(WindowId window, ControlId control, const std::string& caption) override;
  bool LoadPicture(WindowId window, ControlId control, const std::string& path, double& width,
                   double& height) override;
  void SetListItems(WindowId window, ControlId control, const std::vector<std::string>& items,
                    int selected) override;
  int ListSelection(WindowId window, ControlId control) override;
  ScreenMetrics Screen() override { return screen_; }
  void RunEventLoop() override {}

  // --- Test set-up and drivers ---
  void SetScreen(const ScreenMetrics& screen) { screen_ = screen; }
  // What happens while a window is shown modally (the test plays the user).
  // Handlers are used in order, one per modal showing. A modal window still
  // shown after its handler is a stuck user: std::logic_error.
  void OnNextModal(std::function<void(WindowId)> handler);
  int ModalCount() const { return modalCount_; }

  const MemoryWindow& Window(WindowId window) const;
  // The first window ever created with this stored caption, or -1.
  WindowId FindWindow(const std::string& caption) const;
  ControlId FindControl(WindowId window, const std::string& name) const;
  const MemoryControl& Control(WindowId window, const std::string& name) const;

  // A press of a mouse button over a picture box at (x, y) in its client
  // twips, followed by the release. A shown image under the point takes the
  // press and the release, which makes a click on it; elsewhere the box's
  // own handler gets the press.
  void PressAt(WindowId window, ControlId pictureBox, double x, double y,
               int button = kLeftButton);
  void MoveMouseAt(WindowId window, ControlId pictureBox, double x, double y);
  void ClickControl(WindowId window, ControlId control);
  // Picks a line of a list: a drive list reports a change, a folder list a
  // click (which only highlights).
  void SelectListItem(WindowId window, ControlId control, int index);
  void DoubleClickListItem(WindowId window, ControlId control, int index);
  void CloseWindow(WindowId window);

 private:
  MemoryWindow& Get(WindowId window);
  ControlId ImageAt(const MemoryWindow& window, ControlId pictureBox, double x, double y) const;

  FileSystem* files_;
  ScreenMetrics screen_{15360, 11520, 15, 15};
  std::vector<MemoryWindow> windows_;
  std::deque<std::function<void(WindowId)>> modalHandlers_;
  int modalCount_ = 0;
};

}  // namespace tolmarin::platform::memory
