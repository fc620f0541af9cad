// tolmarin.exe: the real Win32 backends around the portable core.
#include "app/app.h"
#include "platform/win32/win32_clock.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_message_boxes.h"
#include "platform/win32/win32_process.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_windowing.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR /*commandLine*/,
                   int /*show*/) {
  using namespace tolmarin::platform;
  // Before anything else can load a DLL: never from the package's folder.
  win32::RestrictDllSearch();

  win32::Win32Registry registry;
  win32::Win32FileSystem files;
  win32::Win32Process process;
  win32::Win32MessageBoxes messageBoxes;
  win32::Win32Windowing windowing(instance);
  win32::Win32Clock clock;
  Platform platform{registry, files, process, messageBoxes, windowing, clock};

  tolmarin::app::RunProgram(platform);
  process.EndProgram();
}
