// The plain top-level windows of the timing scripts' yardstick programs: a
// class of their own with the dialog face and the arrow cursor.
#pragma once

#include <windows.h>

// Ends the message loop when the window is destroyed.
inline LRESULT CALLBACK QuitOnDestroy(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wparam, lparam);
}

inline void RegisterBareClass(const char* window_class, WNDPROC procedure, HICON icon = nullptr) {
  WNDCLASSA wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = icon;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = window_class;
  RegisterClassA(&wc);
}

inline HWND CreateBareWindow(const char* window_class, const char* title, WNDPROC procedure,
                             RECT bounds) {
  RegisterBareClass(window_class, procedure);
  return CreateWindowExA(0, window_class, title, WS_OVERLAPPEDWINDOW, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                         GetModuleHandleA(nullptr), nullptr);
}
