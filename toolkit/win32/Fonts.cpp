#include "toolkit/win32/Fonts.h"

#include <algorithm>
#include <string>

#include "toolkit/win32/Utf16.h"

namespace tk::win32 {

LOGFONTW LogFontFor(const TFont& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.Height();
  lf.lfWeight = (font.Style() & fsBold) != 0 ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = (font.Style() & fsItalic) != 0 ? TRUE : FALSE;
  lf.lfUnderline = (font.Style() & fsUnderline) != 0 ? TRUE : FALSE;
  lf.lfStrikeOut = (font.Style() & fsStrikeOut) != 0 ? TRUE : FALSE;
  lf.lfCharSet = static_cast<BYTE>(font.CharSet());
  lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
  lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  lf.lfQuality = DEFAULT_QUALITY;
  lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
  const std::wstring face = Widen(font.Name());
  // The face name field holds 31 characters and the terminating zero.
  const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
  std::copy_n(face.begin(), length, lf.lfFaceName);
  lf.lfFaceName[length] = L'\0';
  return lf;
}

plat::UniqueFont CreateFontFor(const TFont& font) {
  const LOGFONTW lf = LogFontFor(font);
  return plat::UniqueFont(CreateFontIndirectW(&lf));
}

}  // namespace tk::win32
