#include "toolkit/win32/Colors.h"

namespace tk::win32 {

COLORREF ColorToRgb(std::int32_t color) {
  const auto value = static_cast<std::uint32_t>(color);
  if ((value & 0xFF000000u) == 0x80000000u) return GetSysColor(static_cast<int>(value & 0xFFu));
  return value & 0x00FFFFFFu;
}

}  // namespace tk::win32
