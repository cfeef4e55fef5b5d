// Which face the system draws a font description with. Fonts are resolved the same way in every
// process of one Windows installation (one Wine prefix), so asking here answers for the program
// under test too, whose own font handles another process cannot read.
#pragma once

#include <string>

#include "toolkit/Font.h"

namespace uidriver {

struct FaceInUse {
  std::string face;  // the face the system chose
  std::string kind;  // "truetype", "vector" or "bitmap"
  int height = 0;    // cell height in pixels
  int ascent = 0;
  int averageWidth = 0;
};

// Nothing when the system cannot make the font.
bool ProbeFont(const tk::TFont& font, FaceInUse& inUse);

}  // namespace uidriver
