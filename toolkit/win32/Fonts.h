// GDI fonts made from toolkit font descriptions.
#pragma once

#include <windows.h>

#include "toolkit/Font.h"
#include "toolkit/win32/UniqueHandle.h"

namespace tk::win32 {

LOGFONTW LogFontFor(const TFont& font);
FontHandle CreateFontFor(const TFont& font);

}  // namespace tk::win32
