// The smallest Win32 program with a window: the yardstick for start-up times.
// Shows one top-level window of class TrivialWindow titled "Trivial" and runs
// its message loop until the window is closed.

#include <windows.h>

#include "platform/start_trace.h"

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace

int main() {
  vorn::StartTrace("entry");
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = instance;
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "TrivialWindow";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, "TrivialWindow", "Trivial", WS_OVERLAPPEDWINDOW, 400, 300, 300,
                                200, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOW);
  vorn::StartTrace("window");
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
