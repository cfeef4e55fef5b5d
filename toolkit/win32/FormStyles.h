// The window styles of each form border style, shared by the form's window and the frame
// arithmetic that turns client sizes into outer sizes.
#pragma once

#include <windows.h>

#include "toolkit/Backend.h"

namespace tk::win32 {

struct WindowStyles {
  DWORD style;
  DWORD exStyle;
};

WindowStyles FormStyles(int borderStyle);
// How far the frame of a window with this border style reaches beyond its client area at 96 dpi,
// the resolution the toolkit's sizes are given in.
TRect FrameInsetsFor(int borderStyle);

}  // namespace tk::win32
