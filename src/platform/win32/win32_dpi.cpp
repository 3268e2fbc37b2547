#include "platform/win32/win32_dpi.h"

#include "platform/dpi_scale.h"

namespace vorn::win32 {

namespace {

using GetDpiForWindowProc = UINT(WINAPI*)(HWND);
using AdjustWindowRectExForDpiProc = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);

template <class Proc>
Proc User32Proc(const char* name) {
  HMODULE user32 = GetModuleHandleA("user32.dll");
  // Cast through a generic function pointer: the exported address has the named type.
  return user32 ? reinterpret_cast<Proc>(reinterpret_cast<void (*)()>(GetProcAddress(user32, name)))
                : nullptr;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : kDesignDpi;
}

// The frame's share of the window at `dpi`: width and height beyond the client area.
bool FrameAt(HWND window, int dpi, FrameSize& frame) {
  static const auto adjust = User32Proc<AdjustWindowRectExForDpiProc>("AdjustWindowRectExForDpi");
  if (!adjust) return false;
  RECT r{0, 0, 0, 0};
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  if (!adjust(&r, style, GetMenu(window) != nullptr, ex_style, static_cast<UINT>(dpi)))
    return false;
  frame = {r.right - r.left, r.bottom - r.top};
  return true;
}

}  // namespace

int WindowDpi(HWND window) {
  static const auto for_window = User32Proc<GetDpiForWindowProc>("GetDpiForWindow");
  if (for_window && window) {
    const auto dpi = static_cast<int>(for_window(window));
    if (dpi > 0) return dpi;
  }
  return SystemDpi();
}

Rect DesignedWindowBounds(const Rect& designed, HWND window, int dpi) {
  FrameSize designed_frame;
  FrameSize frame;
  if (!FrameAt(window, kDesignDpi, designed_frame) || !FrameAt(window, dpi, frame))
    return ScaleDpi(designed, kDesignDpi, dpi);
  return DesignedBoundsAt(designed, designed_frame, frame, dpi);
}

}  // namespace vorn::win32
