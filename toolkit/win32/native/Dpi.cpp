#include "toolkit/win32/native/Dpi.h"

#include "platform/win32/UniqueHandle.h"

namespace tk::win32::native {

namespace {

// A function of user32 that this system may lack: null then. Through a plain function pointer,
// as converting between unrelated function types directly draws warnings.
template <class Function>
Function UserFunction(const char* name) {
  HMODULE user = GetModuleHandleW(L"user32.dll");
  FARPROC found = user != nullptr ? GetProcAddress(user, name) : nullptr;
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

int SystemDpi() {
  const plat::UniqueWindowDc screen = plat::WindowDcOf(nullptr);
  return GetDeviceCaps(screen.Get(), LOGPIXELSX);
}

}  // namespace

int WindowDpi(HWND hwnd) {
  static const auto forWindow = UserFunction<GetDpiForWindowFn>("GetDpiForWindow");
  const UINT dpi = forWindow != nullptr && hwnd != nullptr ? forWindow(hwnd) : 0;
  return dpi != 0 ? static_cast<int>(dpi) : SystemDpi();
}

RECT FrameInsetsAtDpi(DWORD style, DWORD exStyle, bool menu, int dpi) {
  static const auto adjust = UserFunction<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
  RECT r{0, 0, 0, 0};
  const BOOL hasMenu = menu ? TRUE : FALSE;
  if (adjust == nullptr || !adjust(&r, style, hasMenu, exStyle, static_cast<UINT>(dpi))) {
    AdjustWindowRectEx(&r, style, hasMenu, exStyle);
  }
  return RECT{-r.left, -r.top, r.right, r.bottom};
}

}  // namespace tk::win32::native
