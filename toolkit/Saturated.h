// Sums of positions and sizes, which stored descriptions and positions records may set to any
// 32-bit value: computed wide and held at the ends of the 32-bit range instead of overflowing.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace tk {

constexpr std::int32_t Saturated(std::int64_t value) {
  return static_cast<std::int32_t>(
      std::clamp<std::int64_t>(value, std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max()));
}

}  // namespace tk
