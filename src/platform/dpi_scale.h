#pragma once

// The layout is designed in pixels at 96 dots per inch; windows on denser
// screens scale it by their own DPI.

#include "platform/toolkit.h"

namespace vorn {

inline constexpr int kDesignDpi = 96;

// A length at `from_dpi` expressed at `to_dpi`, rounded half away from zero as
// the system's MulDiv rounds, so that font heights (negative) scale as sizes do.
// A DPI that is not positive leaves the length as it is.
int ScaleDpi(int value, int from_dpi, int to_dpi);

// Scales the edges, not the sizes: rectangles that touch at one DPI touch at the other.
Rect ScaleDpi(const Rect& rect, int from_dpi, int to_dpi);

}  // namespace vorn
