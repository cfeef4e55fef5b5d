// The program entry: one window, no command line. The process lives as long as the window.
#include <windows.h>

#include "app/uninst1.h"
#include "platform/win32/Win32Platform.h"
#include "toolkit/Application.h"
#include "toolkit/win32/Win32Backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::win32::Win32Backend backend;
  tk::Application().SetBackend(&backend);
  plat::Platform& platform = plat::Win32Platform();

  tk::Application().RunMainForm([&] { return app::CreateForm1(platform); });
  tk::Application().SetBackend(nullptr);
  return 0;
}
