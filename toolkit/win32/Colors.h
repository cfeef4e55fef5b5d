// Toolkit colours to GDI colours: plain RGB values, or a system colour when the high byte says so.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tk::win32 {

COLORREF ColorToRgb(std::int32_t color);

}  // namespace tk::win32
