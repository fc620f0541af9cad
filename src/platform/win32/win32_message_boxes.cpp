#include "platform/win32/win32_message_boxes.h"

#include "platform/win32/windows_api.h"

namespace tolmarin::platform::win32 {

namespace {

// A shown, enabled top-level window of this thread, to own the box when none
// is active (right after a dialog hid itself, for instance).
BOOL CALLBACK TakeShownWindow(HWND window, LPARAM found) {
  if (IsWindowVisible(window) && IsWindowEnabled(window) && GetWindow(window, GW_OWNER) == nullptr) {
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
  }
  return TRUE;
}

HWND BoxOwner() {
  if (HWND active = GetActiveWindow()) return active;
  HWND shown = nullptr;
  EnumThreadWindows(GetCurrentThreadId(), TakeShownWindow, reinterpret_cast<LPARAM>(&shown));
  return shown;
}

}  // namespace

int Win32MessageBoxes::Show(const std::string& text, int style, const std::string& title) {
  HWND owner = BoxOwner();
  UINT flags = static_cast<UINT>(style);
  // With no window to own it, the box still keeps every window of ours from input.
  if (owner == nullptr) flags |= MB_TASKMODAL;
  return MessageBoxA(owner, text.c_str(), title.c_str(), flags);
}

}  // namespace tolmarin::platform::win32
