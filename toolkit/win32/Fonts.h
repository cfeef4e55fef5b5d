// GDI fonts made from toolkit font descriptions.
#pragma once

#include <windows.h>

#include "platform/win32/UniqueHandle.h"
#include "toolkit/Font.h"

namespace tk::win32 {

LOGFONTW LogFontFor(const TFont& font);
plat::UniqueFont CreateFontFor(const TFont& font);

}  // namespace tk::win32
