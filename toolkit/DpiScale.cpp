#include "toolkit/DpiScale.h"

#include <cstdint>

#include "toolkit/Saturated.h"

namespace tk {

int ScaleToDpi(int value, int dpi) {
  if (dpi <= 0) dpi = kDesignDpi;
  const std::int64_t product = std::int64_t{value} * dpi;
  const std::int64_t half = kDesignDpi / 2;
  // Division truncates towards zero: adding half the divisor on the value's side rounds halves
  // away from zero.
  return Saturated((product >= 0 ? product + half : product - half) / kDesignDpi);
}

TRect ScaleToDpi(const TRect& bounds, int dpi) {
  return TRect{ScaleToDpi(bounds.left, dpi), ScaleToDpi(bounds.top, dpi),
               ScaleToDpi(bounds.right, dpi), ScaleToDpi(bounds.bottom, dpi)};
}

TSize OuterSizeAtDpi(TSize client, const TRect& frame, int dpi) {
  return TSize{Saturated(std::int64_t{ScaleToDpi(client.width, dpi)} + frame.left + frame.right),
               Saturated(std::int64_t{ScaleToDpi(client.height, dpi)} + frame.top + frame.bottom)};
}

TPoint CentredOrigin(const TRect& screen, TSize size) {
  return TPoint{Saturated(screen.left + (std::int64_t{screen.Width()} - size.width) / 2),
                Saturated(screen.top + (std::int64_t{screen.Height()} - size.height) / 2)};
}

}  // namespace tk
