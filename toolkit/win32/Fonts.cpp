#include "toolkit/win32/Fonts.h"

#include "toolkit/win32/native/Font.h"

namespace tk::win32 {

namespace {

native::FontDescription DescriptionOf(const TFont& font, int dpi) {
  native::FontDescription description;
  description.face = font.Name();
  description.height = ScaleToDpi(font.Height(), dpi);
  description.bold = (font.Style() & fsBold) != 0;
  description.italic = (font.Style() & fsItalic) != 0;
  description.underline = (font.Style() & fsUnderline) != 0;
  description.strikeOut = (font.Style() & fsStrikeOut) != 0;
  description.charSet = font.CharSet();
  return description;
}

}  // namespace

LOGFONTW LogFontFor(const TFont& font, int dpi) {
  return native::LogFontFor(DescriptionOf(font, dpi));
}

plat::UniqueFont CreateFontFor(const TFont& font, int dpi) {
  return native::CreateFontFor(DescriptionOf(font, dpi));
}

}  // namespace tk::win32
