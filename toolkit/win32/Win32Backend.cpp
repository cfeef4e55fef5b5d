#include "toolkit/win32/Win32Backend.h"

#include <windows.h>
// The common controls need the base declarations first.
#include <commctrl.h>

#include "toolkit/Control.h"
#include "toolkit/win32/FormStyles.h"
#include "toolkit/win32/Resources.h"
#include "toolkit/win32/StandardPeers.h"
#include "toolkit/win32/Utf16.h"
#include "toolkit/win32/WindowPeer.h"

namespace tk::win32 {

Win32Backend::Win32Backend() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  RegisterStandardPeers(peers_);
}

std::unique_ptr<ControlPeer> Win32Backend::CreatePeer(TControl& control) {
  PeerFactory factory = peers_.Find(control.ClassType());
  return factory != nullptr ? factory(control) : nullptr;
}

void Win32Backend::Dispatch(MSG& msg) {
  // Tab, the arrow keys, Enter and Escape move and press as in a dialog.
  HWND active = GetActiveWindow();
  if (active != nullptr && WindowPeer::FromHandle(active) != nullptr &&
      IsDialogMessageW(active, &msg)) {
    return;
  }
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void Win32Backend::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // The quit belongs to the loop that runs the application: leave it for that loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

void Win32Backend::Run() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
}

void Win32Backend::Terminate() {
  PostQuitMessage(0);
}

std::optional<std::string> Win32Backend::LoadDescription(std::string_view name) {
  return LoadTextResource(name);
}

TRect Win32Backend::FrameInsets(int borderStyle) {
  return FrameInsetsFor(borderStyle);
}

TRect Win32Backend::Screen() {
  // The primary monitor's top-left corner is the origin of the screen's coordinates.
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info)) {
    return TRect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return TRect{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
}

TSize Win32Backend::ShownSize(const TControl& control) {
  RECT r{};
  if (control.Peer() == nullptr ||
      !GetWindowRect(static_cast<HWND>(control.Peer()->NativeHandle()), &r)) {
    return TSize{control.Width(), control.Height()};
  }
  return TSize{r.right - r.left, r.bottom - r.top};
}

std::string Win32Backend::DefaultTitle() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  return ProgramTitle(path);
}

std::string ProgramTitle(std::wstring_view modulePath) {
  const std::size_t slash = modulePath.find_last_of(L"\\/");
  std::wstring_view name =
      slash == std::wstring_view::npos ? modulePath : modulePath.substr(slash + 1);
  const std::size_t dot = name.find_last_of(L'.');
  if (dot != std::wstring_view::npos && dot > 0) name = name.substr(0, dot);
  return Narrow(name);
}

}  // namespace tk::win32
