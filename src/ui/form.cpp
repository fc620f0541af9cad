#include "ui/form.h"

namespace tolmarin::ui {

Control::Control(platform::Windowing& windowing, platform::WindowId window,
                 platform::ControlId id, const platform::ControlLayout& layout)
    : windowing_(windowing), window_(window), id_(id), layout_(layout) {}

void Control::Move(double left, double top) {
  layout_.left = left;
  layout_.top = top;
  windowing_.SetControlBounds(window_, id_, layout_.left, layout_.top, layout_.width, layout_.height);
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  windowing_.SetControlVisible(window_, id_, visible);
}

void Control::SetCaption(const std::string& caption) {
  layout_.caption = caption;
  windowing_.SetControlCaption(window_, id_, caption);
}

bool Control::LoadPicture(const std::string& path) {
  double width = layout_.width;
  double height = layout_.height;
  if (!windowing_.LoadPicture(window_, id_, path, width, height)) {
    return false;
  }
  layout_.width = width;
  layout_.height = height;
  return true;
}

Form::Form(platform::Windowing& windowing, const platform::WindowLayout& layout,
           platform::WindowEvents& events)
    : windowing_(windowing),
      id_(windowing.CreateWindow(layout, events)),
      caption_(layout.caption),
      bounds_(windowing.WindowBounds(id_)) {}

Form::~Form() { windowing_.DestroyWindow(id_); }

Control& Form::AddControl(const platform::ControlLayout& layout) {
  const platform::ControlId id = windowing_.AddControl(id_, layout);
  controls_.push_back(std::make_unique<Control>(windowing_, id_, id, layout));
  return *controls_.back();
}

Control* Form::FindControl(platform::ControlId id) {
  for (auto& control : controls_) {
    if (control->Id() == id) return control.get();
  }
  return nullptr;
}

void Form::SetCaption(const std::string& caption) {
  caption_ = caption;
  windowing_.SetCaption(id_, caption);
}

void Form::Move(double left, double top) {
  bounds_.left = left;
  bounds_.top = top;
  windowing_.SetWindowBounds(id_, bounds_.left, bounds_.top, bounds_.width, bounds_.height);
}

void Form::Resize(double width, double height) {
  bounds_.width = width;
  bounds_.height = height;
  windowing_.SetWindowBounds(id_, bounds_.left, bounds_.top, bounds_.width, bounds_.height);
}

void Form::Show() {
  visible_ = true;
  windowing_.ShowWindow(id_);
}

void Form::ShowModal() {
  visible_ = true;
  windowing_.ShowModal(id_);
  visible_ = false;
}

void Form::Hide() {
  visible_ = false;
  windowing_.HideWindow(id_);
}

void Form::SetPointer(int pointer) { windowing_.SetPointer(id_, pointer); }

}  // namespace tolmarin::ui
