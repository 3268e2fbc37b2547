#include "platform/win32/win32_hidden_window.h"

#include <windows.h>

namespace vorn {

namespace {

constexpr char kClassName[] = "VornHiddenWindow";

class Win32HiddenWindow : public HiddenWindow {
 public:
  Win32HiddenWindow(WindowProcedure procedure, const Win32HiddenWindows::ExceptionSink& sink);
  ~Win32HiddenWindow() override;

  Win32HiddenWindow(const Win32HiddenWindow&) = delete;
  Win32HiddenWindow& operator=(const Win32HiddenWindow&) = delete;

  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(window_); }
  std::intptr_t DefaultProcedure(std::uint32_t message, std::uintptr_t wparam,
                                 std::intptr_t lparam) override {
    return DefWindowProcA(window_, message, wparam, lparam);
  }

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

 private:
  HWND window_ = nullptr;
  // Empty while the window is being created or destroyed.
  WindowProcedure procedure_;
  const Win32HiddenWindows::ExceptionSink& sink_;
};

const char* WindowClass() {
  static const bool registered = [] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = Win32HiddenWindow::Procedure;
    window_class.hInstance = GetModuleHandleA(nullptr);
    window_class.lpszClassName = kClassName;
    return RegisterClassA(&window_class) != 0;
  }();
  (void)registered;
  return kClassName;
}

Win32HiddenWindow::Win32HiddenWindow(WindowProcedure procedure,
                                     const Win32HiddenWindows::ExceptionSink& sink)
    : sink_(sink) {
  window_ = CreateWindowExA(WS_EX_TOOLWINDOW, WindowClass(), "", WS_POPUP, 0, 0, 0, 0, nullptr,
                            nullptr, GetModuleHandleA(nullptr), this);
  if (window_ != nullptr) procedure_ = std::move(procedure);
}

Win32HiddenWindow::~Win32HiddenWindow() {
  if (window_ == nullptr) return;
  procedure_ = nullptr;
  SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

LRESULT CALLBACK Win32HiddenWindow::Procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<Win32HiddenWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self == nullptr || !self->procedure_) return DefWindowProcA(window, message, wparam, lparam);
  // Copies: the procedure may destroy this object, and with it the window.
  const WindowProcedure procedure = self->procedure_;
  const Win32HiddenWindows::ExceptionSink& sink = self->sink_;
  try {
    return procedure(message, wparam, lparam);
  } catch (...) {
    try {
      if (sink) sink(std::current_exception());
    } catch (...) {
    }
    return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

std::unique_ptr<HiddenWindow> Win32HiddenWindows::CreateHiddenWindow(WindowProcedure procedure) {
  return std::make_unique<Win32HiddenWindow>(std::move(procedure), on_exception_);
}

}  // namespace vorn
