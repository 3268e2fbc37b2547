// The plain top-level window of the timing scripts' yardstick programs: a
// class of its own with the dialog face and the arrow cursor.
#pragma once

#include <windows.h>

inline HWND CreateBareWindow(const char* window_class, const char* title, WNDPROC procedure,
                             RECT bounds) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSA wc{};
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = window_class;
  RegisterClassA(&wc);
  return CreateWindowExA(0, window_class, title, WS_OVERLAPPEDWINDOW, bounds.left, bounds.top,
                         bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                         instance, nullptr);
}
