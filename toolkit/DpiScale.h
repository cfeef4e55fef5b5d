// Stored layouts are in pixels at 96 dots per inch; a window shown at another resolution takes its
// device pixels from here. The stored values are always the input: a window that changes
// resolution is laid out again from them, never from pixels scaled before, so rounding cannot
// pile up.
#pragma once

#include "toolkit/Geometry.h"

namespace tk {

// The resolution stored layouts and font heights are made for.
inline constexpr int kDesignDpi = 96;

// `value` (a position, size or font height) at `dpi`: rounded to the nearest pixel, halves away
// from zero, as Windows' MulDiv rounds. A resolution that is not positive counts as 96.
int ScaleToDpi(int value, int dpi);

// The edges are scaled rather than the size, so that controls that touch at 96 dpi touch at every
// resolution and a control reaching to its parent's edge still does.
TRect ScaleToDpi(const TRect& bounds, int dpi);

// The outer size of a window whose stored client size is `client`, shown at `dpi` inside a frame
// of `frame` (the insets of the frame at that resolution, as the window system measures them).
TSize OuterSizeAtDpi(TSize client, const TRect& frame, int dpi);

// Where a window of `size` stands with its centre on the centre of `screen`.
TPoint CentredOrigin(const TRect& screen, TSize size);

}  // namespace tk
