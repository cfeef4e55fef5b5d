// The program entry: one window, no command line. The process lives as long as the window.
#include <windows.h>

#include <memory>

#include "app/uninst1.h"
#include "platform/win32/Win32Platform.h"
#include "toolkit/Application.h"
#include "toolkit/win32/Win32Backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::win32::Win32Backend backend;
  tk::Application().SetBackend(&backend);
  plat::Platform& platform = plat::Win32Platform();

  std::unique_ptr<app::TForm1> form;
  tk::Application().Guarded([&] { form = app::CreateForm1(platform); });
  if (form) {
    tk::Application().SetMainForm(form.get());
    tk::Application().Run();
    form.reset();
  }
  tk::Application().SetBackend(nullptr);
  return 0;
}
