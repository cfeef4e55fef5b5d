#include "platform/CaseFold.h"

#include "base/Ascii.h"
#include "base/Utf8.h"

namespace plat {

char32_t UpperCase(char32_t cp) {
  if (cp < 0x80) return static_cast<unsigned char>(base::AsciiUpper(static_cast<char>(cp)));
  if (cp >= 0xE0 && cp <= 0xFE && cp != 0xF7) return cp - 0x20;
  if (cp == 0xFF) return 0x178;
  // Latin Extended-A pairs the cases: upper on even code points in these runs, on odd ones in
  // the others.
  if ((cp >= 0x100 && cp <= 0x12F) || (cp >= 0x132 && cp <= 0x137) ||
      (cp >= 0x14A && cp <= 0x177)) {
    return (cp & 1) ? cp - 1 : cp;
  }
  if ((cp >= 0x139 && cp <= 0x148) || (cp >= 0x179 && cp <= 0x17E)) {
    return (cp & 1) ? cp : cp - 1;
  }
  if (cp >= 0x3B1 && cp <= 0x3C9 && cp != 0x3C2) return cp - 0x20;
  if (cp >= 0x430 && cp <= 0x44F) return cp - 0x20;
  if (cp >= 0x450 && cp <= 0x45F) return cp - 0x50;
  return cp;
}

std::u32string FoldCase(std::u32string_view text) {
  std::u32string out(text);
  for (char32_t& cp : out) cp = UpperCase(cp);
  return out;
}

std::string FoldCase(std::string_view utf8) {
  return base::EncodeUtf8(FoldCase(base::DecodeUtf8(utf8)));
}

bool SameName(std::string_view a, std::string_view b) {
  return FoldCase(a) == FoldCase(b);
}

}  // namespace plat
