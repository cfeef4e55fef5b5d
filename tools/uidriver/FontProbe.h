// Which face the system draws a font description with, and how it draws given texts in it. Fonts
// are resolved the same way in every process of one Windows installation (one Wine prefix), so
// asking here answers for the program under test too, whose own font handles another process
// cannot read.
#pragma once

#include <string>
#include <vector>

#include "toolkit/win32/native/Font.h"

namespace uidriver {

struct TextInFace {
  int width = 0;    // in pixels, on one line
  int missing = 0;  // characters the face has no letter for
};

struct FaceInUse {
  std::string face;  // the face the system chose
  std::string kind;  // "truetype", "vector" or "bitmap"
  int height = 0;    // cell height in pixels
  int ascent = 0;
  int averageWidth = 0;
  std::vector<TextInFace> texts;  // one per text asked about, in order
};

// False when the system cannot make the font. The font is made as the program's controls make
// theirs, from the same description.
bool ProbeFont(const tk::win32::native::FontDescription& font,
               const std::vector<std::string>& texts, FaceInUse& inUse);

}  // namespace uidriver
