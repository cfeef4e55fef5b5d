#include "tools/uidriver/FontProbe.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/UniqueHandle.h"
#include "platform/win32/Utf16.h"

namespace uidriver {

namespace {

const char* KindOf(const TEXTMETRICW& metrics) {
  // TrueType faces carry the vector flag too.
  if ((metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0) return "truetype";
  if ((metrics.tmPitchAndFamily & TMPF_VECTOR) != 0) return "vector";
  return "bitmap";
}

TextInFace Measure(HDC dc, const std::string& text) {
  const std::wstring wide = plat::Widen(text);
  const int length = static_cast<int>(wide.size());
  TextInFace result;
  SIZE size{};
  if (GetTextExtentPoint32W(dc, wide.c_str(), length, &size)) result.width = size.cx;
  // A bitmap face has no fallback: a letter it lacks is drawn as its default character.
  std::vector<WORD> glyphs(wide.size());
  if (GetGlyphIndicesW(dc, wide.c_str(), length, glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) !=
      GDI_ERROR) {
    result.missing = static_cast<int>(std::count(glyphs.begin(), glyphs.end(), WORD{0xFFFF}));
  }
  return result;
}

}  // namespace

bool ProbeFont(const tk::win32::native::FontDescription& font,
               const std::vector<std::string>& texts, FaceInUse& inUse) {
  const plat::UniqueFont handle = tk::win32::native::CreateFontFor(font);
  if (!handle) return false;
  // A memory DC on the screen: the resolution the program's windows are drawn at.
  const plat::UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return false;
  const plat::UniqueSelection selected = plat::SelectInto(dc.Get(), handle.Get());
  wchar_t face[LF_FACESIZE] = {};
  TEXTMETRICW metrics{};
  if (GetTextFaceW(dc.Get(), LF_FACESIZE, face) == 0 || GetTextMetricsW(dc.Get(), &metrics) == 0) {
    return false;
  }
  inUse.face = plat::Narrow(face);
  inUse.kind = KindOf(metrics);
  inUse.height = metrics.tmHeight;
  inUse.ascent = metrics.tmAscent;
  inUse.averageWidth = metrics.tmAveCharWidth;
  inUse.texts.clear();
  for (const std::string& text : texts) inUse.texts.push_back(Measure(dc.Get(), text));
  return true;
}

}  // namespace uidriver
