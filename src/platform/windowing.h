// Windows and their controls, as a retained model.
//
// The core describes each window and control once (kind, position, size,
// caption) and then changes single properties; a backend turns that into
// real windows (win32) or keeps it as plain data (memory). All geometry is
// in twips. A window's bounds are those of the whole window, frame and
// title bar included; a control's are measured in its container's client
// area. Events come back through WindowEvents, in the same coordinates.
#pragma once

#include <string>
#include <vector>

namespace tolmarin::platform {

using WindowId = int;
using ControlId = int;

inline constexpr ControlId kNoControl = -1;

enum class Border {
  kFixedSingle,  // fixed single line
  kFixedDialog   // fixed dialog frame
};

enum class ControlKind {
  kPictureBox,  // sunken 2-pixel border; shows a bitmap and holds other controls
  kImage,       // windowless: a bitmap at its natural size inside a picture box
  kLabel,
  kButton,
  kDriveList,
  kFolderList
};

struct Font {
  std::string face;  // empty: the platform's default dialog font
  double points = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
};

struct WindowLayout {
  std::string caption;
  double clientWidth = 0;
  double clientHeight = 0;
  Border border = Border::kFixedSingle;
};

struct ControlLayout {
  ControlKind kind = ControlKind::kImage;
  std::string name;
  ControlId container = kNoControl;  // a picture box of the same window, or the window itself
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
  std::string caption;
  Font font;
  bool isDefault = false;        // buttons: Enter presses it
  int tabIndex = -1;
  int builtinBitmap = 0;         // images and picture boxes: a resource id, 0 for none
};

// Mouse buttons, as the window reports them.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;

// Mouse pointers.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglassPointer = 11;

struct Bounds {
  double left = 0;
  double top = 0;
  double width = 0;
  double height = 0;
};

struct ScreenMetrics {
  double width = 0;   // twips
  double height = 0;  // twips
  double twipsPerPixelX = 15;
  double twipsPerPixelY = 15;
};

class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  virtual void OnMouseDown(ControlId /*control*/, int /*button*/, int /*shift*/, double /*x*/,
                           double /*y*/) {}
  virtual void OnMouseMove(ControlId /*control*/, int /*button*/, int /*shift*/, double /*x*/,
                           double /*y*/) {}
  virtual void OnClick(ControlId /*control*/) {}
  virtual void OnDoubleClick(ControlId /*control*/) {}
  // A drive or folder list's selection changed.
  virtual void OnChange(ControlId /*control*/) {}
  // The title bar's close box (or Alt+F4).
  virtual void OnClose() {}
};

class Windowing {
 public:
  virtual ~Windowing() = default;

  virtual WindowId CreateWindow(const WindowLayout& layout, WindowEvents& events) = 0;
  virtual ControlId AddControl(WindowId window, const ControlLayout& layout) = 0;
  virtual void DestroyWindow(WindowId window) = 0;

  virtual void SetCaption(WindowId window, const std::string& caption) = 0;
  virtual void SetWindowBounds(WindowId window, double left, double top, double width,
                               double height) = 0;
  // The whole window's place and size, as the system has it now.
  virtual Bounds WindowBounds(WindowId window) = 0;
  virtual void ShowWindow(WindowId window) = 0;
  // Shows the window with its owner disabled and returns once it is hidden.
  virtual void ShowModal(WindowId window) = 0;
  virtual void HideWindow(WindowId window) = 0;
  virtual void SetPointer(WindowId window, int pointer) = 0;

  virtual void SetControlBounds(WindowId window, ControlId control, double left, double top,
                                double width, double height) = 0;
  virtual void SetControlVisible(WindowId window, ControlId control, bool visible) = 0;
  virtual void SetControlCaption(WindowId window, ControlId control,
                                 const std::string& caption) = 0;
  // Loads a bitmap file into a picture box, which then takes the bitmap's
  // size plus its border. Returns false, changing nothing, when the file
  // cannot be loaded; otherwise sets width and height to the box's new size.
  virtual bool LoadPicture(WindowId window, ControlId control, const std::string& path,
                           double& width, double& height) = 0;

  // Drive and folder lists: the lines shown and the selected one (-1: none).
  virtual void SetListItems(WindowId window, ControlId control,
                            const std::vector<std::string>& items, int selected) = 0;
  virtual int ListSelection(WindowId window, ControlId control) = 0;

  virtual ScreenMetrics Screen() = 0;

  // Handles window events until the program ends.
  virtual void RunEventLoop() = 0;
};

}  // namespace tolmarin::platform
