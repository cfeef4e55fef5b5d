// Transparent pictures: the colour of the bottom-left pixel marks the transparent parts, which
// take the background's colour.
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace tk::win32 {

// A copy of `picture` with its transparent parts filled with `background`.
plat::UniqueBitmap OnBackground(HBITMAP picture, COLORREF background);

}  // namespace tk::win32
