#include "platform/win32/win32_bound_window.h"

#include <stdexcept>
#include <string>

namespace vorn::win32 {

BoundWindow::~BoundWindow() {
  if (!hwnd_) return;
  Detach();
  DestroyWindow(hwnd_);
}

BoundWindow* BoundWindow::FromHwnd(HWND window) {
  return window ? reinterpret_cast<BoundWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA))
                : nullptr;
}

HWND BoundWindow::CreateBound(const char* window_class, DWORD ex_style, DWORD style, int x, int y,
                              int width, int height, HWND parent, HMENU menu) {
  hwnd_ = CreateWindowExA(ex_style, window_class, "", style, x, y, width, height, parent, menu,
                          GetModuleHandleA(nullptr), this);
  return hwnd_;
}

void BoundWindow::Subclass(HWND control) {
  hwnd_ = control;
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  original_proc_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
}

void BoundWindow::Detach() {
  if (!hwnd_) return;
  if (original_proc_) {
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_proc_));
    original_proc_ = nullptr;
  }
  SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
}

LRESULT BoundWindow::Default(UINT message, WPARAM wparam, LPARAM lparam) {
  return original_proc_ ? CallWindowProcA(original_proc_, hwnd_, message, wparam, lparam)
                        : DefWindowProcA(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK BoundWindow::ClassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
    if (auto* self = static_cast<BoundWindow*>(create->lpCreateParams)) {
      self->hwnd_ = window;
      SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  BoundWindow* self = FromHwnd(window);
  if (!self) return DefWindowProcA(window, message, wparam, lparam);
  return Dispatch(self, message, wparam, lparam);
}

LRESULT CALLBACK BoundWindow::SubclassProc(HWND window, UINT message, WPARAM wparam,
                                           LPARAM lparam) {
  BoundWindow* self = FromHwnd(window);
  // Detach restores the original procedure before it clears the object, so a
  // subclassed window always finds its object here.
  if (!self) return DefWindowProcA(window, message, wparam, lparam);
  return Dispatch(self, message, wparam, lparam);
}

LRESULT BoundWindow::Dispatch(BoundWindow* self, UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  try {
    result = self->HandleMessage(message, wparam, lparam);
  } catch (...) {
    self->Failed();
  }
  if (message == WM_NCDESTROY) {
    // Destroyed from outside (with its parent): nothing is left to destroy later.
    self->Detach();
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace vorn::win32
