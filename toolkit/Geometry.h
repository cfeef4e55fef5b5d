// Points, sizes and rectangles in pixels, as the toolkit and its backends exchange them.
#pragma once

namespace tk {

struct TPoint {
  int x = 0, y = 0;
  bool operator==(const TPoint&) const = default;
};

struct TSize {
  int width = 0, height = 0;
  bool operator==(const TSize&) const = default;
};

struct TRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const TRect&) const = default;
};

}  // namespace tk
