// The smallest Win32 program with a window: the yardstick for start-up times.
// Shows one top-level window of class TrivialWindow titled "Trivial" and runs
// its message loop until the window is closed.

#include <windows.h>

#include "bare_window.h"
#include "platform/start_trace.h"

int main() {
  vorn::StartTrace("entry");
  HWND window = CreateBareWindow("TrivialWindow", "Trivial", QuitOnDestroy, {400, 300, 700, 500});
  ShowWindow(window, SW_SHOW);
  vorn::StartTrace("window");
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
