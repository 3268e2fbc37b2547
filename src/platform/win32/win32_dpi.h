#pragma once

// The DPI services of newer systems, found at run time so that older ones
// still start the program.

#include <windows.h>

#include "platform/toolkit.h"

namespace vorn::win32 {

// The window's DPI; without per-window DPI, the system's.
int WindowDpi(HWND window);

// The bounds of a window of that style whose client area is designed at 96 DPI,
// at `dpi`: the client area and the place scale, the frame is the system's at
// that DPI. Without per-DPI frames, the whole rectangle scales.
Rect DesignedWindowBounds(const Rect& designed, HWND window, int dpi);

}  // namespace vorn::win32
