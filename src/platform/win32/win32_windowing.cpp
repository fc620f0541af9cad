#include "platform/win32/win32_windowing.h"

#include <cmath>

#include "resources/resource_ids.h"

namespace tolmarin::platform::win32 {

namespace {

constexpr char kWindowClass[] = "TolmarinWindow";
constexpr char kPictureClass[] = "TolmarinPicture";
constexpr int kFirstChildId = 1000;
// A drop-down list's window height includes its dropped-down part.
constexpr int kDropDownPixels = 160;

}  // namespace

struct Win32Windowing::ControlData {
  ControlLayout layout;
  ControlId id = kNoControl;
  bool visible = true;
  HWND hwnd = nullptr;       // null for windowless images and labels in a picture box
  HBITMAP bitmap = nullptr;  // images and picture boxes
  bool ownsBitmap = false;
  HFONT font = nullptr;
  int bitmapWidth = 0;
  int bitmapHeight = 0;
};

struct Win32Windowing::WindowData {
  Win32Windowing* owner = nullptr;
  WindowId id = -1;
  WindowLayout layout;
  WindowEvents* events = nullptr;
  HWND hwnd = nullptr;
  bool modalRunning = false;
  int pointer = kDefaultPointer;
  ControlId pressedImage = kNoControl;
  std::vector<std::unique_ptr<ControlData>> controls;
};

Win32Windowing::Win32Windowing(HINSTANCE instance) : instance_(instance) {
  HDC screen = GetDC(nullptr);
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  twipsPerPixelX_ = dpiX > 0 ? 1440.0 / dpiX : 15;
  twipsPerPixelY_ = dpiY > 0 ? 1440.0 / dpiY : 15;

  HICON icon = LoadIconA(instance_, MAKEINTRESOURCEA(TOLMARIN_ICON));
  WNDCLASSEXA windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Win32Windowing::WindowProc;
  windowClass.hInstance = instance_;
  windowClass.hIcon = icon != nullptr ? icon : LoadIconA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExA(&windowClass);

  WNDCLASSEXA pictureClass = {};
  pictureClass.cbSize = sizeof pictureClass;
  pictureClass.lpfnWndProc = &Win32Windowing::PictureProc;
  pictureClass.hInstance = instance_;
  pictureClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
  pictureClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  pictureClass.lpszClassName = kPictureClass;
  RegisterClassExA(&pictureClass);
}

Win32Windowing::~Win32Windowing() {
  for (auto& window : windows_) {
    for (auto& control : window->controls) {
      if (control->ownsBitmap && control->bitmap != nullptr) DeleteObject(control->bitmap);
      if (control->font != nullptr) DeleteObject(control->font);
    }
  }
}

Win32Windowing::WindowData& Win32Windowing::Get(WindowId window) {
  return *windows_.at(static_cast<std::size_t>(window));
}

int Win32Windowing::ToPixelsX(double twips) const {
  return static_cast<int>(std::lround(twips / twipsPerPixelX_));
}

int Win32Windowing::ToPixelsY(double twips) const {
  return static_cast<int>(std::lround(twips / twipsPerPixelY_));
}

WindowId Win32Windowing::CreateWindow(const WindowLayout& layout, WindowEvents& events) {
  auto data = std::make_unique<WindowData>();
  data->owner = this;
  data->id = static_cast<WindowId>(windows_.size());
  data->layout = layout;
  data->events = &events;

  // Fixed size, a close box, no minimize or maximize box.
  DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  DWORD exStyle = 0;
  if (layout.border == Border::kFixedSingle) {
    style |= WS_BORDER;
  } else {
    style |= WS_DLGFRAME;
    exStyle |= WS_EX_DLGMODALFRAME;
  }
  RECT rect = {0, 0, ToPixelsX(layout.clientWidth), ToPixelsY(layout.clientHeight)};
  AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  WindowData* raw = data.get();
  windows_.push_back(std::move(data));
  raw->hwnd = CreateWindowExA(exStyle, kWindowClass, layout.caption.c_str(), style, 0, 0,
                              rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                              instance_, raw);
  return raw->id;
}

ControlId Win32Windowing::AddControl(WindowId window, const ControlLayout& layout) {
  WindowData& w = Get(window);
  auto control = std::make_unique<ControlData>();
  control->layout = layout;
  control->id = static_cast<ControlId>(w.controls.size());

  const bool inPicture = layout.container != kNoControl;
  HWND parent = inPicture ? w.controls.at(static_cast<std::size_t>(layout.container))->hwnd : w.hwnd;
  const HMENU childId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstChildId + control->id));
  const DWORD childStyle = WS_CHILD | WS_VISIBLE;
  // Child windows are made at their final place and size: Wine's combo box
  // lays out its parts only once, when it is created.
  const int x = ToPixelsX(layout.left);
  const int y = ToPixelsY(layout.top);
  const int cx = ToPixelsX(layout.width);
  const int cy = ToPixelsY(layout.height) + (layout.kind == ControlKind::kDriveList ? kDropDownPixels : 0);

  if (layout.font.points > 0) {
    HDC dc = GetDC(nullptr);
    const int height = -MulDiv(static_cast<int>(std::lround(layout.font.points * 10)),
                               GetDeviceCaps(dc, LOGPIXELSY), 720);
    ReleaseDC(nullptr, dc);
    control->font = CreateFontA(height, 0, 0, 0, layout.font.weight, layout.font.italic,
                                layout.font.underline, layout.font.strikeout, DEFAULT_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                DEFAULT_PITCH, layout.font.face.c_str());
  }
  if (layout.builtinBitmap != 0) {
    control->bitmap = static_cast<HBITMAP>(LoadImageA(
        instance_, MAKEINTRESOURCEA(layout.builtinBitmap), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    control->ownsBitmap = control->bitmap != nullptr;
  }

  switch (layout.kind) {
    case ControlKind::kPictureBox:
      control->hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, kPictureClass, "",
                                      childStyle | WS_CLIPCHILDREN, x, y, cx, cy, parent, childId,
                                      instance_, &w);
      break;
    case ControlKind::kImage:
      break;  // windowless: the picture box paints and hit-tests it
    case ControlKind::kLabel:
      if (!inPicture) {
        control->hwnd = CreateWindowExA(0, "STATIC", layout.caption.c_str(), childStyle, x, y, cx, cy,
                                        parent, childId, instance_, nullptr);
      }
      break;
    case ControlKind::kButton:
      control->hwnd = CreateWindowExA(
          0, "BUTTON", layout.caption.c_str(),
          childStyle | WS_TABSTOP | (layout.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), x, y, cx,
          cy, parent, childId, instance_, nullptr);
      break;
    case ControlKind::kDriveList:
      control->hwnd = CreateWindowExA(0, "COMBOBOX", "",
                                      childStyle | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, x,
                                      y, cx, cy, parent, childId, instance_, nullptr);
      break;
    case ControlKind::kFolderList:
      control->hwnd = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                                      childStyle | WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY, x, y, cx,
                                      cy, parent, childId, instance_, nullptr);
      break;
  }
  if (control->hwnd != nullptr) {
    HFONT font = control->font != nullptr
                     ? control->font
                     : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SendMessageA(control->hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  }
  ControlData* raw = control.get();
  w.controls.push_back(std::move(control));
  PlaceControl(w, *raw);
  return raw->id;
}

void Win32Windowing::PlaceControl(WindowData& window, ControlData& control) {
  if (control.hwnd != nullptr) {
    const int dropDown = control.layout.kind == ControlKind::kDriveList ? kDropDownPixels : 0;
    MoveWindow(control.hwnd, ToPixelsX(control.layout.left), ToPixelsY(control.layout.top),
               ToPixelsX(control.layout.width), ToPixelsY(control.layout.height) + dropDown, TRUE);
  } else {
    InvalidateImage(window, control);
  }
}

void Win32Windowing::InvalidateImage(WindowData& window, ControlData& control) {
  if (control.layout.container == kNoControl) return;
  HWND box = window.controls.at(static_cast<std::size_t>(control.layout.container))->hwnd;
  if (box != nullptr) InvalidateRect(box, nullptr, FALSE);
}

void Win32Windowing::DestroyWindow(WindowId window) {
  WindowData& w = Get(window);
  if (w.hwnd != nullptr) {
    ::DestroyWindow(w.hwnd);
    w.hwnd = nullptr;
  }
  w.modalRunning = false;
}

void Win32Windowing::SetCaption(WindowId window, const std::string& caption) {
  SetWindowTextA(Get(window).hwnd, caption.c_str());
}

void Win32Windowing::SetWindowBounds(WindowId window, double left, double top, double width,
                                     double height) {
  SetWindowPos(Get(window).hwnd, nullptr, ToPixelsX(left), ToPixelsY(top), ToPixelsX(width),
               ToPixelsY(height), SWP_NOZORDER | SWP_NOACTIVATE);
}

Bounds Win32Windowing::WindowBounds(WindowId window) {
  RECT rect = {};
  GetWindowRect(Get(window).hwnd, &rect);
  return Bounds{rect.left * twipsPerPixelX_, rect.top * twipsPerPixelY_,
                (rect.right - rect.left) * twipsPerPixelX_,
                (rect.bottom - rect.top) * twipsPerPixelY_};
}

void Win32Windowing::ShowWindow(WindowId window) {
  HWND hwnd = Get(window).hwnd;
  ::ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  UpdateWindow(hwnd);
}

void Win32Windowing::ShowModal(WindowId window) {
  WindowData& w = Get(window);
  // Every other window of ours takes no input while this one is open.
  std::vector<HWND> disabled;
  for (auto& other : windows_) {
    if (other.get() != &w && other->hwnd != nullptr && IsWindowEnabled(other->hwnd) &&
        IsWindowVisible(other->hwnd)) {
      EnableWindow(other->hwnd, FALSE);
      disabled.push_back(other->hwnd);
    }
  }
  w.modalRunning = true;
  ShowWindow(window);
  // The first control in the tab order has the focus.
  if (HWND first = GetNextDlgTabItem(w.hwnd, nullptr, FALSE)) SetFocus(first);
  MSG message;
  while (w.modalRunning && w.hwnd != nullptr && IsWindowVisible(w.hwnd) &&
         GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (!IsDialogMessageA(w.hwnd, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
  w.modalRunning = false;
  for (HWND hwnd : disabled) EnableWindow(hwnd, TRUE);
}

void Win32Windowing::HideWindow(WindowId window) {
  WindowData& w = Get(window);
  if (w.hwnd != nullptr) ::ShowWindow(w.hwnd, SW_HIDE);
  w.modalRunning = false;
}

void Win32Windowing::SetPointer(WindowId window, int pointer) {
  Get(window).pointer = pointer;
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(pointer == kHourglassPointer ? 32514 : 32512)));
}

void Win32Windowing::SetControlBounds(WindowId window, ControlId control, double left,
                                      double top, double width, double height) {
  WindowData& w = Get(window);
  ControlData& c = *w.controls.at(static_cast<std::size_t>(control));
  InvalidateImage(w, c);
  c.layout.left = left;
  c.layout.top = top;
  c.layout.width = width;
  c.layout.height = height;
  PlaceControl(w, c);
}

void Win32Windowing::SetControlVisible(WindowId window, ControlId control, bool visible) {
  WindowData& w = Get(window);
  ControlData& c = *w.controls.at(static_cast<std::size_t>(control));
  c.visible = visible;
  if (c.hwnd != nullptr) {
    ::ShowWindow(c.hwnd, visible ? SW_SHOW : SW_HIDE);
  } else {
    InvalidateImage(w, c);
  }
}

void Win32Windowing::SetControlCaption(WindowId window, ControlId control,
                                       const std::string& caption) {
  WindowData& w = Get(window);
  ControlData& c = *w.controls.at(static_cast<std::size_t>(control));
  c.layout.caption = caption;
  if (c.hwnd != nullptr) {
    SetWindowTextA(c.hwnd, caption.c_str());
  } else {
    InvalidateImage(w, c);
  }
}

bool Win32Windowing::LoadPicture(WindowId window, ControlId control, const std::string& path,
                                 double& width, double& height) {
  WindowData& w = Get(window);
  ControlData& c = *w.controls.at(static_cast<std::size_t>(control));
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
  if (bitmap == nullptr) return false;
  BITMAP info = {};
  GetObjectA(bitmap, sizeof info, &info);
  if (c.ownsBitmap && c.bitmap != nullptr) DeleteObject(c.bitmap);
  c.bitmap = bitmap;
  c.ownsBitmap = true;
  c.bitmapWidth = info.bmWidth;
  c.bitmapHeight = info.bmHeight;
  // The box takes the bitmap's size plus its 2-pixel sunken border.
  const int border = c.layout.kind == ControlKind::kPictureBox ? 4 : 0;
  c.layout.width = (info.bmWidth + border) * twipsPerPixelX_;
  c.layout.height = (info.bmHeight + border) * twipsPerPixelY_;
  PlaceControl(w, c);
  if (c.hwnd != nullptr) InvalidateRect(c.hwnd, nullptr, TRUE);
  width = c.layout.width;
  height = c.layout.height;
  return true;
}

void Win32Windowing::SetListItems(WindowId window, ControlId control,
                                  const std::vector<std::string>& items, int selected) {
  ControlData& c = *Get(window).controls.at(static_cast<std::size_t>(control));
  if (c.hwnd == nullptr) return;
  const bool combo = c.layout.kind == ControlKind::kDriveList;
  SendMessageA(c.hwnd, WM_SETREDRAW, FALSE, 0);
  SendMessageA(c.hwnd, combo ? CB_RESETCONTENT : LB_RESETCONTENT, 0, 0);
  for (const std::string& item : items) {
    SendMessageA(c.hwnd, combo ? CB_ADDSTRING : LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(item.c_str()));
  }
  SendMessageA(c.hwnd, combo ? CB_SETCURSEL : LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
  SendMessageA(c.hwnd, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(c.hwnd, nullptr, TRUE);
}

int Win32Windowing::ListSelection(WindowId window, ControlId control) {
  ControlData& c = *Get(window).controls.at(static_cast<std::size_t>(control));
  if (c.hwnd == nullptr) return -1;
  const bool combo = c.layout.kind == ControlKind::kDriveList;
  return static_cast<int>(SendMessageA(c.hwnd, combo ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

ScreenMetrics Win32Windowing::Screen() {
  return ScreenMetrics{GetSystemMetrics(SM_CXSCREEN) * twipsPerPixelX_,
                       GetSystemMetrics(SM_CYSCREEN) * twipsPerPixelY_, twipsPerPixelX_,
                       twipsPerPixelY_};
}

void Win32Windowing::RunEventLoop() {
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    HWND active = GetActiveWindow();
    if (active == nullptr || !IsDialogMessageA(active, &message)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
  }
}

Win32Windowing::ControlData* Win32Windowing::ImageAt(WindowData& window, ControlId box, int x,
                                                     int y) {
  // The last-added shown image lies on top.
  for (std::size_t i = window.controls.size(); i-- > 0;) {
    ControlData& c = *window.controls[i];
    if (c.layout.kind != ControlKind::kImage || !c.visible || c.layout.container != box) continue;
    const int left = ToPixelsX(c.layout.left);
    const int top = ToPixelsY(c.layout.top);
    if (x >= left && x < left + ToPixelsX(c.layout.width) && y >= top &&
        y < top + ToPixelsY(c.layout.height)) {
      return &c;
    }
  }
  return nullptr;
}

void Win32Windowing::PaintPicture(WindowData& window, ControlData& box, HDC dc) {
  RECT client = {};
  GetClientRect(box.hwnd, &client);
  FillRect(dc, &client, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
  HDC memory = CreateCompatibleDC(dc);
  auto blit = [&](HBITMAP bitmap, int x, int y) {
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
  };
  if (box.bitmap != nullptr) blit(box.bitmap, 0, 0);
  for (auto& control : window.controls) {
    ControlData& c = *control;
    if (c.layout.container != box.id || !c.visible) continue;
    const int x = ToPixelsX(c.layout.left);
    const int y = ToPixelsY(c.layout.top);
    if (c.layout.kind == ControlKind::kImage && c.bitmap != nullptr) {
      blit(c.bitmap, x, y);
    } else if (c.layout.kind == ControlKind::kLabel && !c.layout.caption.empty()) {
      RECT area = {x, y, x + ToPixelsX(c.layout.width), y + ToPixelsY(c.layout.height)};
      HGDIOBJ oldFont = SelectObject(
          dc, c.font != nullptr ? c.font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(255, 255, 255));
      DrawTextA(dc, c.layout.caption.c_str(), -1, &area, DT_LEFT | DT_TOP | DT_NOPREFIX);
      SelectObject(dc, oldFont);
    }
  }
  DeleteDC(memory);
}

Win32Windowing::MouseTarget Win32Windowing::TargetAt(WindowData& window, ControlData& box, int x,
                                                     int y) {
  // A shown image takes the mouse over its own area; elsewhere the box does.
  if (ControlData* image = ImageAt(window, box.id, x, y)) {
    return {image->id, (x - ToPixelsX(image->layout.left)) * twipsPerPixelX_,
            (y - ToPixelsY(image->layout.top)) * twipsPerPixelY_};
  }
  return {box.id, x * twipsPerPixelX_, y * twipsPerPixelY_};
}

bool Win32Windowing::ShowHourglass(const WindowData& window) {
  if (window.pointer != kHourglassPointer) return false;
  SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));
  return true;
}

LRESULT Win32Windowing::HandlePicture(WindowData& window, ControlData& box, UINT message,
                                      WPARAM wParam, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam));
  const int y = static_cast<short>(HIWORD(lParam));
  auto button = [&](UINT m) {
    if (m == WM_LBUTTONDOWN || m == WM_LBUTTONUP) return kLeftButton;
    if (m == WM_RBUTTONDOWN || m == WM_RBUTTONUP) return kRightButton;
    return kMiddleButton;
  };
  const int shift = ((wParam & MK_SHIFT) ? 1 : 0) | ((wParam & MK_CONTROL) ? 2 : 0);
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(box.hwnd, &paint);
      PaintPicture(window, box, dc);
      EndPaint(box.hwnd, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
      SetCapture(box.hwnd);
      const MouseTarget target = TargetAt(window, box, x, y);
      window.pressedImage =
          message == WM_LBUTTONDOWN && target.control != box.id ? target.control : kNoControl;
      window.events->OnMouseDown(target.control, button(message), shift, target.x, target.y);
      return 0;
    }
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: {
      ReleaseCapture();
      const ControlId pressed = window.pressedImage;
      window.pressedImage = kNoControl;
      // A click is a left-button press and release over the same shown image.
      ControlData* image = ImageAt(window, box.id, x, y);
      if (message == WM_LBUTTONUP && pressed != kNoControl && image != nullptr &&
          image->id == pressed) {
        window.events->OnClick(pressed);
      }
      return 0;
    }
    case WM_MOUSEMOVE: {
      const int buttons = ((wParam & MK_LBUTTON) ? kLeftButton : 0) |
                          ((wParam & MK_RBUTTON) ? kRightButton : 0) |
                          ((wParam & MK_MBUTTON) ? kMiddleButton : 0);
      const MouseTarget target = TargetAt(window, box, x, y);
      window.events->OnMouseMove(target.control, buttons, shift, target.x, target.y);
      return 0;
    }
    case WM_SETCURSOR:
      if (ShowHourglass(window)) return TRUE;
      break;
    default:
      break;
  }
  return DefWindowProcA(box.hwnd, message, wParam, lParam);
}

LRESULT Win32Windowing::HandleWindow(WindowData& window, UINT message, WPARAM wParam,
                                     LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      window.events->OnClose();
      return 0;
    case WM_COMMAND: {
      // Enter comes as IDOK from the dialog keyboard handling: it presses the
      // default button, if there is one. Esc (IDCANCEL) presses nothing.
      if (LOWORD(wParam) == IDOK && lParam == 0) {
        for (auto& control : window.controls) {
          if (control->layout.kind == ControlKind::kButton && control->layout.isDefault &&
              control->visible) {
            window.events->OnClick(control->id);
          }
        }
        return 0;
      }
      const int id = LOWORD(wParam) - kFirstChildId;
      if (id >= 0 && static_cast<std::size_t>(id) < window.controls.size()) {
        const int code = HIWORD(wParam);
        const ControlKind kind = window.controls[static_cast<std::size_t>(id)]->layout.kind;
        if (kind == ControlKind::kButton && code == BN_CLICKED) {
          window.events->OnClick(id);
        } else if (kind == ControlKind::kDriveList && code == CBN_SELCHANGE) {
          window.events->OnChange(id);
        } else if (kind == ControlKind::kFolderList && code == LBN_DBLCLK) {
          window.events->OnDoubleClick(id);
        } else if (kind == ControlKind::kFolderList && code == LBN_SELCHANGE) {
          window.events->OnClick(id);
        }
      }
      return 0;
    }
    case WM_SETCURSOR:
      if (ShowHourglass(window)) return TRUE;
      break;
    default:
      break;
  }
  return DefWindowProcA(window.hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32Windowing::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* window = static_cast<WindowData*>(create->lpCreateParams);
    window->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = reinterpret_cast<WindowData*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window == nullptr || window->events == nullptr) {
    return DefWindowProcA(hwnd, message, wParam, lParam);
  }
  return window->owner->HandleWindow(*window, message, wParam, lParam);
}

LRESULT CALLBACK Win32Windowing::PictureProc(HWND hwnd, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* window = reinterpret_cast<WindowData*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (window != nullptr) {
    for (auto& control : window->controls) {
      if (control->hwnd == hwnd) {
        return window->owner->HandlePicture(*window, *control, message, wParam, lParam);
      }
    }
  }
  return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace tolmarin::platform::win32
