// GDI fonts made from toolkit font descriptions, through the native helpers' plain description so
// that the UI driver makes the same font from the same values.
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"
#include "toolkit/DpiScale.h"
#include "toolkit/Font.h"

namespace tk::win32 {

// The font at `dpi`: its stored height is meant at 96 dpi. The face stays the stored one at every
// resolution (see the README on fonts at other scales).
LOGFONTW LogFontFor(const TFont& font, int dpi = kDesignDpi);
plat::UniqueFont CreateFontFor(const TFont& font, int dpi = kDesignDpi);

}  // namespace tk::win32
