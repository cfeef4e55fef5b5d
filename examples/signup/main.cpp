// The example program: the sign-up window on the Win32 backend, until it closes.
#include <windows.h>

#include <memory>

#include "SignupForm.h"
#include "toolkit/Application.h"
#include "toolkit/win32/Win32Backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::win32::Win32Backend backend;
  tk::Application().SetBackend(&backend);

  std::unique_ptr<signup::TSignupForm> form;
  tk::Application().Guarded([&] { form = signup::CreateSignupForm(); });
  if (form) {
    tk::Application().SetMainForm(form.get());
    tk::Application().Run();
    form.reset();
  }
  tk::Application().SetBackend(nullptr);
  return 0;
}
