// A window and its controls as the program's routines see them: the stored
// geometry, caption and visibility, read back without asking the system.
// Every change is passed on to the windowing backend.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/windowing.h"

namespace tolmarin::ui {

class Control {
 public:
  Control(platform::Windowing& windowing, platform::WindowId window, platform::ControlId id,
          const platform::ControlLayout& layout);

  const std::string& Name() const { return layout_.name; }
  platform::ControlId Id() const { return id_; }
  platform::ControlKind Kind() const { return layout_.kind; }

  double Left() const { return layout_.left; }
  double Top() const { return layout_.top; }
  double Width() const { return layout_.width; }
  double Height() const { return layout_.height; }
  bool Visible() const { return visible_; }
  const std::string& Caption() const { return layout_.caption; }

  void Move(double left, double top);
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  void SetCaption(const std::string& caption);
  // Loads a bitmap file; the box then takes the bitmap's size plus its
  // border. A file that cannot be loaded leaves the box as it was.
  bool LoadPicture(const std::string& path);

 private:
  platform::Windowing& windowing_;
  platform::WindowId window_;
  platform::ControlId id_;
  platform::ControlLayout layout_;
  bool visible_ = true;
};

class Form {
 public:
  Form(platform::Windowing& windowing, const platform::WindowLayout& layout,
       platform::WindowEvents& events);
  ~Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Control& AddControl(const platform::ControlLayout& layout);
  // The control that the backend reports by this id, or null.
  Control* FindControl(platform::ControlId id);

  platform::WindowId Id() const { return id_; }
  const std::string& Caption() const { return caption_; }
  double Left() const { return bounds_.left; }
  double Top() const { return bounds_.top; }
  double Width() const { return bounds_.width; }
  double Height() const { return bounds_.height; }
  bool Visible() const { return visible_; }

  void SetCaption(const std::string& caption);
  void Move(double left, double top);
  void Resize(double width, double height);
  void Show();
  // Returns once the window has hidden itself.
  void ShowModal();
  void Hide();
  void SetPointer(int pointer);

 private:
  platform::Windowing& windowing_;
  platform::WindowId id_;
  std::string caption_;
  platform::Bounds bounds_;
  bool visible_ = false;
  std::vector<std::unique_ptr<Control>> controls_;
};

}  // namespace tolmarin::ui
