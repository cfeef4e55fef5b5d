// What a native control draws as text and the room it gives that text, read from the control's
// class, style and state by the rules the system's controls paint with: static text (its SS_
// alignment, word wrap and ellipsis rules), buttons (push buttons inside their frame, check boxes
// and radio buttons beside their glyph, group boxes in their caption), status bars (the simple
// text or each part, inside its edge), single-line edits (their formatting rectangle), combo boxes
// (the selection field and the dropped-down items) and list boxes (each item). Other classes
// (pictures, animations, tree and list views, tabs, headers, multi-line edits, which scroll) give
// nothing here.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace textfit {

struct DrawnText {
  std::wstring text;
  // The DrawTextW flags the control draws with, less any ellipsis: an ellipsis is the mark of a
  // text that did not fit, so the text is measured whole.
  UINT format = 0;
  int width = 0;   // the room the control gives the text
  int height = 0;
  // Which of the control's texts: empty for its own, else "item 3", "part 1".
  std::string item;
};

// The texts `control` draws now, in its own font on its own device context; empty texts are left
// out, as they draw nothing.
std::vector<DrawnText> DrawnTexts(HWND control);

struct TextExtent {
  int width = 0;
  int height = 0;
};

// The extent of `drawn` in the control's font on its device context, as DrawTextW with
// DT_CALCRECT gives it for the room the control gives: a wrapped text wraps at that width and is
// wider only when one word is; an unwrapped one is as wide as its longest line.
TextExtent Measure(HWND control, const DrawnText& drawn);

}  // namespace textfit
