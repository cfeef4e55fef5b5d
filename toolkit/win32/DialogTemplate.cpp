#include "toolkit/win32/DialogTemplate.h"

namespace tk::win32 {

DialogTemplate::DialogTemplate(DWORD style, std::wstring_view caption, WORD fontPoints,
                               std::wstring_view fontName) {
  style |= DS_SETFONT;
  Add(LOWORD(style));
  Add(HIWORD(style));
  Add(0);  // extended style
  Add(0);
  Add(0);                              // no controls
  for (int i = 0; i < 4; ++i) Add(0);  // x, y, cx, cy: placed at start
  Add(0);                              // no menu
  Add(0);                              // the standard dialog class
  Add(caption);
  Add(fontPoints);
  Add(fontName);
}

void DialogTemplate::Add(std::wstring_view text) {
  for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
  words_.push_back(0);
}

}  // namespace tk::win32
