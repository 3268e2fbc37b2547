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
bool FrameSize(HWND window, int dpi, int& width, int& height) {
  static const auto adjust = User32Proc<AdjustWindowRectExForDpiProc>("AdjustWindowRectExForDpi");
  if (!adjust) return false;
  RECT r{0, 0, 0, 0};
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto ex_style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  if (!adjust(&r, style, GetMenu(window) != nullptr, ex_style, static_cast<UINT>(dpi)))
    return false;
  width = r.right - r.left;
  height = r.bottom - r.top;
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
  int designed_width = 0;
  int designed_height = 0;
  int width = 0;
  int height = 0;
  if (!FrameSize(window, kDesignDpi, designed_width, designed_height) ||
      !FrameSize(window, dpi, width, height))
    return ScaleDpi(designed, kDesignDpi, dpi);
  const Rect client = ScaleDpi(Rect{designed.Left, designed.Top, designed.Width - designed_width,
                                    designed.Height - designed_height},
                               kDesignDpi, dpi);
  return {client.Left, client.Top, client.Width + width, client.Height + height};
}

}  // namespace vorn::win32
