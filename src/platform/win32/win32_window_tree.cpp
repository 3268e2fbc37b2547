#include "platform/win32/win32_window_tree.h"

#include <windows.h>

#include <vector>

namespace vorn {

namespace {

BOOL CALLBACK Visit(HWND window, LPARAM visitor) {
  (*reinterpret_cast<const WindowTree::Visitor*>(visitor))(reinterpret_cast<WindowHandle>(window));
  return TRUE;
}

HWND ToHwnd(WindowHandle window) {
  return reinterpret_cast<HWND>(window);
}

}  // namespace

void Win32WindowTree::EnumTopLevel(const Visitor& visit) {
  EnumWindows(Visit, reinterpret_cast<LPARAM>(&visit));
}

void Win32WindowTree::EnumDescendants(WindowHandle parent, const Visitor& visit) {
  EnumChildWindows(ToHwnd(parent), Visit, reinterpret_cast<LPARAM>(&visit));
}

std::string Win32WindowTree::ReadText(WindowHandle window, std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  std::vector<char> buffer(buffer_size, '\0');
  const int length = GetWindowTextA(ToHwnd(window), buffer.data(), static_cast<int>(buffer_size));
  return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

bool Win32WindowTree::Send(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                           std::intptr_t lparam) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(ToHwnd(window), message, static_cast<WPARAM>(wparam),
                             static_cast<LPARAM>(lparam), SMTO_ABORTIFHUNG, kSendTimeoutMs,
                             &result) != 0;
}

}  // namespace vorn
