// The least a program can do on a global hotkey: the yardstick for the hotkey
// timing script. Registers the numeric keypad minus without modifiers, prints
// "ready" (or "taken" and ends when another program holds the key), and keeps
// a hidden window of class HotkeyFloor titled "Hotkey Floor" with one edit.
// The hotkey hides the window when it is the foreground window and otherwise
// shows it with the edit focused and its text selected; Enter in the edit
// hides it. Runs until the window is closed.

#include <windows.h>

#include <cstdio>

#include "bare_window.h"

namespace {

constexpr int kHotKeyId = 1;
HWND g_edit = nullptr;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_HOTKEY:
      if (GetForegroundWindow() == window) {
        ShowWindow(window, SW_HIDE);
      } else {
        ShowWindow(window, SW_SHOW);
        SetForegroundWindow(window);
        SetFocus(g_edit);
        SendMessageA(g_edit, EM_SETSEL, 0, -1);
      }
      return 0;
    case WM_DESTROY:
      UnregisterHotKey(window, kHotKeyId);
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

}  // namespace

int main() {
  HWND window = CreateBareWindow("HotkeyFloor", "Hotkey Floor", WindowProc, {248, 110, 557, 625});
  g_edit = CreateWindowExA(WS_EX_CLIENTEDGE, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 8, 9,
                           153, 24, window, nullptr, GetModuleHandleA(nullptr), nullptr);
  if (!RegisterHotKey(window, kHotKeyId, 0, VK_SUBTRACT)) {
    std::printf("taken\n");
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    if (message.message == WM_KEYDOWN && message.hwnd == g_edit && message.wParam == VK_RETURN) {
      ShowWindow(window, SW_HIDE);
      continue;
    }
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
