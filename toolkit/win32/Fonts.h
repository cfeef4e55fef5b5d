// GDI fonts made from toolkit font descriptions, through the native helpers' plain description so
// that the UI driver makes the same font from the same values.
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"
#include "toolkit/Font.h"

namespace tk::win32 {

LOGFONTW LogFontFor(const TFont& font);
plat::UniqueFont CreateFontFor(const TFont& font);

}  // namespace tk::win32
