#include "tools/uidriver/FontProbe.h"

#include <windows.h>

#include "toolkit/win32/Fonts.h"
#include "toolkit/win32/Utf16.h"

namespace uidriver {

namespace {

const char* KindOf(const TEXTMETRICW& metrics) {
  // TrueType faces carry the vector flag too.
  if ((metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0) return "truetype";
  if ((metrics.tmPitchAndFamily & TMPF_VECTOR) != 0) return "vector";
  return "bitmap";
}

}  // namespace

bool ProbeFont(const tk::TFont& font, FaceInUse& inUse) {
  const tk::win32::FontHandle handle = tk::win32::CreateFontFor(font);
  if (!handle) return false;
  // A memory DC on the screen: the resolution the program's windows are drawn at.
  HDC dc = CreateCompatibleDC(nullptr);
  if (dc == nullptr) return false;
  HGDIOBJ old = SelectObject(dc, handle.Get());
  wchar_t face[LF_FACESIZE] = {};
  const int length = GetTextFaceW(dc, LF_FACESIZE, face);
  TEXTMETRICW metrics{};
  const bool ok = length > 0 && GetTextMetricsW(dc, &metrics) != 0;
  SelectObject(dc, old);
  DeleteDC(dc);
  if (!ok) return false;
  // Whether the count includes the terminating zero differs between systems.
  inUse.face = tk::win32::Narrow(face);
  inUse.kind = KindOf(metrics);
  inUse.height = metrics.tmHeight;
  inUse.ascent = metrics.tmAscent;
  inUse.averageWidth = metrics.tmAveCharWidth;
  return true;
}

}  // namespace uidriver
