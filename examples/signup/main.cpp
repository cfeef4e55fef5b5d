// The example program: the sign-up window on the Win32 backend, until it closes.
#include <windows.h>

#include "SignupForm.h"
#include "toolkit/Application.h"
#include "toolkit/win32/Win32Backend.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tk::win32::Win32Backend backend;
  tk::Application().SetBackend(&backend);

  tk::Application().RunMainForm(&signup::CreateSignupForm);
  tk::Application().SetBackend(nullptr);
  return 0;
}
