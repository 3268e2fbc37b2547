#include "platform/win32/win32_hidden_window.h"

#include <windows.h>

#include "platform/win32/win32_bound_window.h"

namespace vorn {

namespace {

constexpr char kClassName[] = "VornHiddenWindow";

class Win32HiddenWindow : public HiddenWindow, public win32::BoundWindow {
 public:
  Win32HiddenWindow(WindowProcedure procedure, const Win32HiddenWindows::ExceptionSink& sink);
  // The procedure sees nothing of the destruction.
  ~Win32HiddenWindow() override { procedure_ = nullptr; }

  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }
  std::intptr_t DefaultProcedure(std::uint32_t message, std::uintptr_t wparam,
                                 std::intptr_t lparam) override {
    return Default(message, wparam, lparam);
  }

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // Empty while the window is being created or destroyed.
  WindowProcedure procedure_;
  const Win32HiddenWindows::ExceptionSink& sink_;
};

const char* WindowClass() {
  static const bool registered = [] {
    WNDCLASSA window_class{};
    window_class.lpfnWndProc = win32::BoundWindow::ClassProc;
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
  if (CreateBound(WindowClass(), WS_EX_TOOLWINDOW, WS_POPUP, 0, 0, 0, 0, nullptr))
    procedure_ = std::move(procedure);
}

LRESULT Win32HiddenWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (!procedure_) return Default(message, wparam, lparam);
  // Copies: the procedure may destroy this object, and with it the window.
  const WindowProcedure procedure = procedure_;
  const Win32HiddenWindows::ExceptionSink& sink = sink_;
  HWND window = hwnd_;
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
