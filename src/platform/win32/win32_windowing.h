// Real windows: top-level windows with child controls, and windowless
// images that a picture box paints and hit-tests itself.
#pragma once

#include "platform/win32/windows_api.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/windowing.h"

namespace tolmarin::platform::win32 {

class Win32Windowing : public Windowing {
 public:
  explicit Win32Windowing(HINSTANCE instance);
  ~Win32Windowing() override;

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
  ScreenMetrics Screen() override;
  void RunEventLoop() override;

  struct ControlData;
  struct WindowData;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK PictureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleWindow(WindowData& window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandlePicture(WindowData& window, ControlData& box, UINT message, WPARAM wParam,
                        LPARAM lParam);
  void PaintPicture(WindowData& window, ControlData& box, HDC dc);
  ControlData* ImageAt(WindowData& window, ControlId box, int x, int y);
  struct MouseTarget {
    ControlId control;
    double x;  // twips, in the control's own coordinates
    double y;
  };
  MouseTarget TargetAt(WindowData& window, ControlData& box, int x, int y);
  static bool ShowHourglass(const WindowData& window);
  WindowData& Get(WindowId window);
  int ToPixelsX(double twips) const;
  int ToPixelsY(double twips) const;
  void PlaceControl(WindowData& window, ControlData& control);
  void InvalidateImage(WindowData& window, ControlData& control);

  HINSTANCE instance_;
  double twipsPerPixelX_ = 15;
  double twipsPerPixelY_ = 15;
  std::vector<std::unique_ptr<WindowData>> windows_;
};

}  // namespace tolmarin::platform::win32
