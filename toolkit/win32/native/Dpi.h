// The display resolution a window is shown at, and the window frame at a given resolution. The
// functions that answer per window and per resolution came with Windows 10 (1607) and are looked
// up at run time, so that the program still starts on Windows 7; where they are missing the
// system has one resolution for every window, and its answers are used.
#pragma once

#include <windows.h>

namespace tk::win32::native {

// WM_DPICHANGED: the window's resolution changed (wParam: the new one in both words; lParam: the
// suggested window rectangle). Declared by the system's headers only for newer targets.
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// Dots per inch of the monitor the window is on (of the system, where windows have no own).
int WindowDpi(HWND hwnd);

// How far a window frame of these styles reaches beyond the client area at `dpi`, as positive
// distances: left, top, right, bottom.
RECT FrameInsetsAtDpi(DWORD style, DWORD exStyle, bool menu, int dpi);

}  // namespace tk::win32::native
