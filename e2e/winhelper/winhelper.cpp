// winhelper: looks at and answers the windows of the Wine session it runs in,
// for the end-to-end tests. It runs in the same prefix as the program under
// test, so EnumWindows sees that program's windows, message boxes included.
//
//   winhelper list                      every top-level window, as JSON
//   winhelper watch [interval-ms]       JSON lines: windows shown, retitled, hidden, gone
//   winhelper click <window> <button>   BM_CLICK on a child button (by text or id)
//   winhelper close <window>            posts WM_CLOSE
//   winhelper window <title> [w h]      a plain test window; prints its mouse presses
//   winhelper msgbox <style> <title> <text>   shows a message box; prints the answer
//   winhelper cwd                       prints the current folder
//   winhelper idle                      waits until killed
//
// <window> is a handle (0x...) or an exact title. Texts go out as UTF-8.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace tolmarin::winhelper {
namespace {

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::wstring FromUtf8(const std::string& text) {
  if (text.empty()) return {};
  int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size);
  return out;
}

// The command line as Unicode: Wine turns the host's UTF-8 arguments into it
// without going through the ANSI code page.
std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 0; i < count; ++i) args.push_back(ToUtf8(wide[i]));
  LocalFree(wide);
  return args;
}

std::string JsonString(const std::string& text) {
  std::string out = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (c < 0x20) {
          char buffer[8];
          std::snprintf(buffer, sizeof buffer, "\\u%04x", c);
          out += buffer;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

std::string HandleText(HWND window) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "0x%lx",
                static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
  return buffer;
}

// InternalGetWindowText reads the text Wine keeps for every window, so it
// needs no message to the owning thread and cannot hang on a busy program.
std::string WindowText(HWND window) {
  wchar_t buffer[4096];
  int length = InternalGetWindowText(window, buffer, static_cast<int>(std::size(buffer)));
  return ToUtf8(std::wstring(buffer, static_cast<size_t>(length > 0 ? length : 0)));
}

std::string ClassName(HWND window) {
  wchar_t buffer[256];
  int length = GetClassNameW(window, buffer, static_cast<int>(std::size(buffer)));
  return ToUtf8(std::wstring(buffer, static_cast<size_t>(length > 0 ? length : 0)));
}

std::string ProcessImageName(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  wchar_t buffer[MAX_PATH];
  DWORD size = MAX_PATH;
  std::wstring path;
  if (QueryFullProcessImageNameW(process, 0, buffer, &size)) path.assign(buffer, size);
  CloseHandle(process);
  size_t slash = path.find_last_of(L"\\/");
  return ToUtf8(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

std::string RectJson(const RECT& r) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "[%ld, %ld, %ld, %ld]", static_cast<long>(r.left),
                static_cast<long>(r.top), static_cast<long>(r.right), static_cast<long>(r.bottom));
  return buffer;
}

// The client area in screen coordinates.
RECT ClientRectOnScreen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  POINT topLeft{r.left, r.top};
  POINT bottomRight{r.right, r.bottom};
  ClientToScreen(window, &topLeft);
  ClientToScreen(window, &bottomRight);
  return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&children));
  return children;
}

std::string ChildJson(HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  return "{\"hwnd\": " + JsonString(HandleText(child)) +
         ", \"class\": " + JsonString(ClassName(child)) +
         ", \"id\": " + std::to_string(GetDlgCtrlID(child)) +
         ", \"text\": " + JsonString(WindowText(child)) +
         ", \"visible\": " + (IsWindowVisible(child) ? "true" : "false") +
         ", \"rect\": " + RectJson(r) + "}";
}

// A message box shows its text in the static control with id 0xFFFF.
std::string DialogText(HWND window) {
  HWND text = GetDlgItem(window, 0xFFFF);
  return text ? WindowText(text) : std::string();
}

// `visible` is read once by the caller: a window that is shown between two
// reads would otherwise be listed as visible without its controls.
std::string WindowJson(HWND window, bool visible) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  RECT r{};
  GetWindowRect(window, &r);
  std::string json = "{\"hwnd\": " + JsonString(HandleText(window)) +
                     ", \"pid\": " + std::to_string(processId) +
                     ", \"exe\": " + JsonString(ProcessImageName(processId)) +
                     ", \"class\": " + JsonString(ClassName(window)) +
                     ", \"title\": " + JsonString(WindowText(window)) +
                     ", \"visible\": " + (visible ? "true" : "false") +
                     ", \"rect\": " + RectJson(r) +
                     ", \"client\": " + RectJson(ClientRectOnScreen(window)) +
                     ", \"text\": " + JsonString(DialogText(window));
  json += ", \"children\": [";
  bool first = true;
  for (HWND child : visible ? ChildWindows(window) : std::vector<HWND>{}) {
    json += (first ? "" : ", ") + ChildJson(child);
    first = false;
  }
  return json + "]}";
}

void Print(const std::string& line) {
  std::fwrite(line.data(), 1, line.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

int List() {
  std::string json = "[";
  bool first = true;
  for (HWND window : TopLevelWindows()) {
    json += (first ? "\n" : ",\n") + WindowJson(window, IsWindowVisible(window) != FALSE);
    first = false;
  }
  Print(json + "\n]");
  return 0;
}

// Polls the top-level windows and reports every change a test may wait for.
// Polling in-process is cheap, so even a window that is shown for a few
// milliseconds is seen.
int Watch(int intervalMs) {
  struct Seen {
    bool visible = false;
    std::string title;
    // A window being destroyed can read as untitled for a moment; its
    // "destroyed" event names the last title it had.
    std::string lastTitle;
  };
  std::map<HWND, Seen> seen;
  for (HWND window : TopLevelWindows()) {
    const std::string title = WindowText(window);
    seen[window] = Seen{IsWindowVisible(window) != FALSE, title, title};
  }
  Print("{\"event\": \"ready\"}");
  DWORD start = GetTickCount();
  for (;;) {
    std::map<HWND, Seen> now;
    for (HWND window : TopLevelWindows()) {
      Seen state{IsWindowVisible(window) != FALSE, WindowText(window), {}};
      auto before = seen.find(window);
      state.lastTitle = !state.title.empty() || before == seen.end() ? state.title
                                                                     : before->second.lastTitle;
      const char* event = nullptr;
      if (before == seen.end()) {
        event = state.visible ? "shown" : "created";
      } else if (state.visible && !before->second.visible) {
        event = "shown";
      } else if (!state.visible && before->second.visible) {
        event = "hidden";
      } else if (state.title != before->second.title) {
        event = "title";
      }
      if (event) {
        std::string json = WindowJson(window, state.visible);
        Print("{\"event\": \"" + std::string(event) + "\", \"ms\": " +
              std::to_string(GetTickCount() - start) + ", " + json.substr(1));
      }
      now[window] = state;
    }
    for (const auto& [window, state] : seen) {
      if (!now.count(window)) {
        Print("{\"event\": \"destroyed\", \"ms\": " + std::to_string(GetTickCount() - start) +
              ", \"hwnd\": " + JsonString(HandleText(window)) +
              ", \"title\": " + JsonString(state.lastTitle) + "}");
      }
    }
    seen = std::move(now);
    Sleep(static_cast<DWORD>(intervalMs));
  }
}

HWND FindTopLevel(const std::string& name) {
  if (name.rfind("0x", 0) == 0) {
    HWND window = reinterpret_cast<HWND>(std::strtoul(name.c_str(), nullptr, 16));
    return IsWindow(window) ? window : nullptr;
  }
  // A visible window wins over a hidden one of the same title: dialogs that
  // are hidden after use keep their titles.
  HWND hidden = nullptr;
  for (HWND window : TopLevelWindows()) {
    if (WindowText(window) != name) continue;
    if (IsWindowVisible(window)) return window;
    if (!hidden) hidden = window;
  }
  return hidden;
}

std::string WithoutAmpersands(const std::string& text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

bool SameTextIgnoringCase(const std::string& a, const std::string& b) {
  std::wstring wa = FromUtf8(a);
  std::wstring wb = FromUtf8(b);
  return CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, wa.data(), static_cast<int>(wa.size()),
                        wb.data(), static_cast<int>(wb.size())) == CSTR_EQUAL;
}

bool AllDigits(const std::string& text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

HWND FindButton(HWND window, const std::string& button) {
  for (HWND child : ChildWindows(window)) {
    if (!IsWindowVisible(child)) continue;
    if (AllDigits(button)) {
      if (GetDlgCtrlID(child) == std::atoi(button.c_str())) return child;
    } else if (SameTextIgnoringCase(WithoutAmpersands(WindowText(child)), WithoutAmpersands(button))) {
      return child;
    }
  }
  return nullptr;
}

int Click(const std::string& windowName, const std::string& button) {
  HWND window = FindTopLevel(windowName);
  if (!window) {
    std::fprintf(stderr, "winhelper: no window %s\n", windowName.c_str());
    return 2;
  }
  HWND target = FindButton(window, button);
  if (!target) {
    std::fprintf(stderr, "winhelper: no button %s in window %s\n", button.c_str(), windowName.c_str());
    return 3;
  }
  // Posted, not sent: the click may open a modal box, and a sent message
  // would keep this helper waiting until that box is answered.
  PostMessageW(target, BM_CLICK, 0, 0);
  return 0;
}

int Close(const std::string& windowName) {
  HWND window = FindTopLevel(windowName);
  if (!window) {
    std::fprintf(stderr, "winhelper: no window %s\n", windowName.c_str());
    return 2;
  }
  PostMessageW(window, WM_CLOSE, 0, 0);
  return 0;
}

LRESULT CALLBACK TestWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const char* button = nullptr;
  switch (message) {
    case WM_LBUTTONDOWN: button = "left"; break;
    case WM_RBUTTONDOWN: button = "right"; break;
    case WM_MBUTTONDOWN: button = "middle"; break;
    case WM_COMMAND:
      Print("{\"event\": \"command\", \"id\": " + std::to_string(LOWORD(wParam)) + "}");
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default: break;
  }
  if (button) {
    Print("{\"event\": \"press\", \"button\": \"" + std::string(button) +
          "\", \"x\": " + std::to_string(static_cast<short>(LOWORD(lParam))) +
          ", \"y\": " + std::to_string(static_cast<short>(HIWORD(lParam))) + "}");
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

// A stand-in for the program under test: a fixed window with one button,
// centred, that reports what reaches it.
int TestWindow(const std::string& title, int width, int height) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = TestWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"WinhelperTestWindow";
  if (!RegisterClassW(&windowClass)) return 4;

  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT r{0, 0, width, height};
  AdjustWindowRect(&r, style, FALSE);
  int outerWidth = r.right - r.left;
  int outerHeight = r.bottom - r.top;
  int left = (GetSystemMetrics(SM_CXSCREEN) - outerWidth) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - outerHeight) / 2;
  HWND window = CreateWindowW(L"WinhelperTestWindow", FromUtf8(title).c_str(), style, left, top,
                              outerWidth, outerHeight, nullptr, nullptr, instance, nullptr);
  if (!window) return 4;
  CreateWindowW(L"BUTTON", L"&Press", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, window,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(101)), instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  Print("{\"event\": \"ready\", \"hwnd\": " + JsonString(HandleText(window)) + "}");

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}

int MessageBoxCommand(int style, const std::string& title, const std::string& text) {
  int answer = MessageBoxW(nullptr, FromUtf8(text).c_str(), FromUtf8(title).c_str(),
                           static_cast<UINT>(style));
  Print("{\"event\": \"answer\", \"code\": " + std::to_string(answer) + "}");
  return 0;
}

int CurrentFolder() {
  wchar_t buffer[MAX_PATH];
  DWORD length = GetCurrentDirectoryW(MAX_PATH, buffer);
  Print(ToUtf8(std::wstring(buffer, length < MAX_PATH ? length : 0)));
  return 0;
}

// Keeps a prefix's session alive: while one program runs, Wine's own
// services stay up, so later programs start fast and do not start them anew.
int Idle() {
  for (;;) Sleep(INFINITE);
}

int Usage() {
  std::fprintf(stderr,
               "usage: winhelper list | watch [ms] | click <window> <button> | close <window> |\n"
               "       window <title> [width height] | msgbox <style> <title> <text> | cwd | idle\n");
  return 1;
}

int Run(const std::vector<std::string>& args) {
  if (args.size() < 2) return Usage();
  const std::string& command = args[1];
  if (command == "list" && args.size() == 2) return List();
  if (command == "cwd" && args.size() == 2) return CurrentFolder();
  if (command == "idle" && args.size() == 2) return Idle();
  if (command == "watch" && args.size() <= 3) {
    return Watch(args.size() == 3 ? std::atoi(args[2].c_str()) : 10);
  }
  if (command == "click" && args.size() == 4) return Click(args[2], args[3]);
  if (command == "close" && args.size() == 3) return Close(args[2]);
  if (command == "window" && (args.size() == 3 || args.size() == 5)) {
    int width = args.size() == 5 ? std::atoi(args[3].c_str()) : 300;
    int height = args.size() == 5 ? std::atoi(args[4].c_str()) : 200;
    return TestWindow(args[2], width, height);
  }
  if (command == "msgbox" && args.size() == 5) {
    return MessageBoxCommand(std::atoi(args[2].c_str()), args[3], args[4]);
  }
  return Usage();
}

}  // namespace
}  // namespace tolmarin::winhelper

int main() {
  return tolmarin::winhelper::Run(tolmarin::winhelper::Arguments());
}
