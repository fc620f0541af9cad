#include "platform/memory/memory_windowing.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace tolmarin::platform::memory {

namespace {

// Frame and title bar, in pixels, as a classic fixed window has them.
constexpr double kFramePixels = 3;
constexpr double kTitlePixels = 19;
constexpr double kPictureBorderPixels = 2;

bool ReadBitmapSize(FileSystem& files, const std::string& path, double& widthPx,
                    double& heightPx) {
  std::unique_ptr<BinaryFile> file;
  if (files.Open(path, OpenMode::kRead, file) != status::kOk) {
    return false;
  }
  unsigned char header[26] = {};
  std::uint32_t done = 0;
  if (file->Read(header, sizeof header, done) != status::kOk || done != sizeof header ||
      header[0] != 'B' || header[1] != 'M') {
    return false;
  }
  auto dword = [&](int at) {
    return static_cast<std::int32_t>(header[at] | header[at + 1] << 8 | header[at + 2] << 16 |
                                     static_cast<std::uint32_t>(header[at + 3]) << 24);
  };
  const std::int32_t width = dword(18);
  const std::int32_t height = dword(22);
  if (width <= 0 || height == 0) {
    return false;
  }
  widthPx = width;
  heightPx = height < 0 ? -static_cast<double>(height) : height;
  return true;
}

}  // namespace

MemoryWindowing::MemoryWindowing(FileSystem* files) : files_(files) {}

MemoryWindow& MemoryWindowing::Get(WindowId window) {
  return windows_.at(static_cast<std::size_t>(window));
}

const MemoryWindow& MemoryWindowing::Window(WindowId window) const {
  return windows_.at(static_cast<std::size_t>(window));
}

WindowId MemoryWindowing::CreateWindow(const WindowLayout& layout, WindowEvents& events) {
  MemoryWindow window;
  window.layout = layout;
  window.events = &events;
  window.caption = layout.caption;
  window.bounds.width = layout.clientWidth + 2 * kFramePixels * screen_.twipsPerPixelX;
  window.bounds.height =
      layout.clientHeight + (2 * kFramePixels + kTitlePixels) * screen_.twipsPerPixelY;
  windows_.push_back(window);
  return static_cast<WindowId>(windows_.size() - 1);
}

ControlId MemoryWindowing::AddControl(WindowId window, const ControlLayout& layout) {
  MemoryWindow& w = Get(window);
  MemoryControl control;
  control.layout = layout;
  w.controls.push_back(control);
  return static_cast<ControlId>(w.controls.size() - 1);
}

void MemoryWindowing::DestroyWindow(WindowId window) {
  Get(window).destroyed = true;
  Get(window).visible = false;
}

void MemoryWindowing::SetCaption(WindowId window, const std::string& caption) {
  Get(window).caption = caption;
}

void MemoryWindowing::SetWindowBounds(WindowId window, double left, double top, double width,
                                      double height) {
  Get(window).bounds = Bounds{left, top, width, height};
}

Bounds MemoryWindowing::WindowBounds(WindowId window) { return Get(window).bounds; }

void MemoryWindowing::ShowWindow(WindowId window) { Get(window).visible = true; }

void MemoryWindowing::ShowModal(WindowId window) {
  Get(window).visible = true;
  Get(window).modal = true;
  ++modalCount_;
  if (!modalHandlers_.empty()) {
    auto handler = std::move(modalHandlers_.front());
    modalHandlers_.pop_front();
    handler(window);
  }
  if (Get(window).visible && !Get(window).destroyed) {
    throw std::logic_error("modal window left open: " + Get(window).caption);
  }
  Get(window).modal = false;
}

void MemoryWindowing::HideWindow(WindowId window) { Get(window).visible = false; }

void MemoryWindowing::SetPointer(WindowId window, int pointer) { Get(window).pointer = pointer; }

void MemoryWindowing::SetControlBounds(WindowId window, ControlId control, double left,
                                       double top, double width, double height) {
  ControlLayout& layout = Get(window).controls.at(static_cast<std::size_t>(control)).layout;
  layout.left = left;
  layout.top = top;
  layout.width = width;
  layout.height = height;
}

void MemoryWindowing::SetControlVisible(WindowId window, ControlId control, bool visible) {
  Get(window).controls.at(static_cast<std::size_t>(control)).visible = visible;
}

void MemoryWindowing::SetControlCaption(WindowId window, ControlId control,
                                        const std::string& caption) {
  Get(window).controls.at(static_cast<std::size_t>(control)).layout.caption = caption;
}

bool MemoryWindowing::LoadPicture(WindowId window, ControlId control, const std::string& path,
                                  double& width, double& height) {
  double widthPx = 0;
  double heightPx = 0;
  if (files_ == nullptr || !ReadBitmapSize(*files_, path, widthPx, heightPx)) {
    return false;
  }
  MemoryControl& c = Get(window).controls.at(static_cast<std::size_t>(control));
  c.picturePath = path;
  const double border = c.layout.kind == ControlKind::kPictureBox ? 2 * kPictureBorderPixels : 0;
  c.layout.width = (widthPx + border) * screen_.twipsPerPixelX;
  c.layout.height = (heightPx + border) * screen_.twipsPerPixelY;
  width = c.layout.width;
  height = c.layout.height;
  return true;
}

void MemoryWindowing::SetListItems(WindowId window, ControlId control,
                                   const std::vector<std::string>& items, int selected) {
  MemoryControl& c = Get(window).controls.at(static_cast<std::size_t>(control));
  c.items = items;
  c.selected = selected;
}

int MemoryWindowing::ListSelection(WindowId window, ControlId control) {
  return Get(window).controls.at(static_cast<std::size_t>(control)).selected;
}

void MemoryWindowing::SelectListItem(WindowId window, ControlId control, int index) {
  MemoryWindow& w = Get(window);
  MemoryControl& c = w.controls.at(static_cast<std::size_t>(control));
  c.selected = index;
  if (c.layout.kind == ControlKind::kDriveList) {
    w.events->OnChange(control);
  } else {
    w.events->OnClick(control);
  }
}

void MemoryWindowing::DoubleClickListItem(WindowId window, ControlId control, int index) {
  MemoryWindow& w = Get(window);
  w.controls.at(static_cast<std::size_t>(control)).selected = index;
  w.events->OnDoubleClick(control);
}

void MemoryWindowing::OnNextModal(std::function<void(WindowId)> handler) {
  modalHandlers_.push_back(std::move(handler));
}

WindowId MemoryWindowing::FindWindow(const std::string& caption) const {
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i].layout.caption == caption) return static_cast<WindowId>(i);
  }
  return -1;
}

ControlId MemoryWindowing::FindControl(WindowId window, const std::string& name) const {
  const MemoryWindow& w = Window(window);
  for (std::size_t i = 0; i < w.controls.size(); ++i) {
    if (w.controls[i].layout.name == name) return static_cast<ControlId>(i);
  }
  throw std::out_of_range("no control " + name);
}

const MemoryControl& MemoryWindowing::Control(WindowId window, const std::string& name) const {
  return Window(window).controls.at(static_cast<std::size_t>(FindControl(window, name)));
}

ControlId MemoryWindowing::ImageAt(const MemoryWindow& window, ControlId pictureBox, double x,
                                   double y) const {
  // The last-added shown image lies on top.
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    const MemoryControl& c = window.controls[i];
    if (c.layout.kind == ControlKind::kImage && c.visible && c.layout.container == pictureBox &&
        x >= c.layout.left && x < c.layout.left + c.layout.width && y >= c.layout.top &&
        y < c.layout.top + c.layout.height) {
      return static_cast<ControlId>(i);
    }
  }
  return kNoControl;
}

void MemoryWindowing::PressAt(WindowId window, ControlId pictureBox, double x, double y,
                              int button) {
  MemoryWindow& w = Get(window);
  const ControlId image = ImageAt(w, pictureBox, x, y);
  if (image == kNoControl) {
    w.events->OnMouseDown(pictureBox, button, 0, x, y);
    return;
  }
  const ControlLayout& layout = w.controls[static_cast<std::size_t>(image)].layout;
  w.events->OnMouseDown(image, button, 0, x - layout.left, y - layout.top);
  if (button == kLeftButton) {
    w.events->OnClick(image);
  }
}

void MemoryWindowing::MoveMouseAt(WindowId window, ControlId pictureBox, double x, double y) {
  MemoryWindow& w = Get(window);
  const ControlId image = ImageAt(w, pictureBox, x, y);
  if (image == kNoControl) {
    w.events->OnMouseMove(pictureBox, 0, 0, x, y);
    return;
  }
  const ControlLayout& layout = w.controls[static_cast<std::size_t>(image)].layout;
  w.events->OnMouseMove(image, 0, 0, x - layout.left, y - layout.top);
}

void MemoryWindowing::ClickControl(WindowId window, ControlId control) {
  Get(window).events->OnClick(control);
}

void MemoryWindowing::CloseWindow(WindowId window) { Get(window).events->OnClose(); }

}  // namespace tolmarin::platform::memory
