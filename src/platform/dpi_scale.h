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

// What a window's frame (border, caption bar, menu bar) adds to its client area.
struct FrameSize {
  int Width = 0;
  int Height = 0;
};

// The bounds of a window designed as `designed` (frame included, at the design
// DPI) whose client area is scaled to `dpi`, inside the frame it has at `dpi`.
Rect DesignedBoundsAt(const Rect& designed, FrameSize designed_frame, FrameSize frame, int dpi);

}  // namespace vorn
