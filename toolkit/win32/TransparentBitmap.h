// Pictures made ready for a static control. Transparent pictures: the colour of the bottom-left
// pixel marks the transparent parts, which take the background's colour. Scaled pictures: for
// windows shown at another resolution than the picture was drawn for.
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"

namespace tk::win32 {

// A copy of `picture` with its transparent parts filled with `background`.
plat::UniqueBitmap OnBackground(HBITMAP picture, COLORREF background);

// A copy of `picture` in `width` x `height` pixels, each an average of the pixels it covers
// (halftone), so that edges stay smooth instead of pixels being repeated or dropped. Scale a
// transparent picture after putting it on its background: its edges then blend into that.
plat::UniqueBitmap Resized(HBITMAP picture, int width, int height);

}  // namespace tk::win32
