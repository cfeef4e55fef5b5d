// GDI fonts from a plain font description, so that the program's controls and the UI driver's
// font probe make the same font from the same description.
#pragma once

#include <windows.h>

#include <string>

#include "platform/win32/UniqueHandle.h"

namespace tk::win32::native {

struct FontDescription {
  std::string face;
  // Negative: character height without internal leading, in pixels.
  int height = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  int charSet = DEFAULT_CHARSET;
};

LOGFONTW LogFontFor(const FontDescription& font);
plat::UniqueFont CreateFontFor(const FontDescription& font);

}  // namespace tk::win32::native
