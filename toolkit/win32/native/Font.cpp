#include "toolkit/win32/native/Font.h"

#include <algorithm>

#include "platform/win32/Utf16.h"

namespace tk::win32::native {

LOGFONTW LogFontFor(const FontDescription& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.height;
  lf.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = font.italic ? TRUE : FALSE;
  lf.lfUnderline = font.underline ? TRUE : FALSE;
  lf.lfStrikeOut = font.strikeOut ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(font.charSet);
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = plat::Widen(font.face);
  // The face name field holds 31 characters and the terminating zero.
  const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), length, lf.lfFaceName);
  lf.lfFaceName[length] = L'\0';
  return lf;
}

plat::UniqueFont CreateFontFor(const FontDescription& font) {
  const LOGFONTW lf = LogFontFor(font);
  return plat::UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace tk::win32::native
