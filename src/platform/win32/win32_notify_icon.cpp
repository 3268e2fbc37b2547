#include "platform/win32/win32_notify_icon.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

namespace vorn {

namespace {

// The first-version record ends where its 64-character tip ends. With 32-bit
// handles that is the classic 88 bytes; 64-bit handles widen and realign it.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88,
              "the first-version notification record is 88 bytes in a 32-bit build");
static_assert(NotifyIconData::kTipSize == 64);

bool Notify(DWORD message, const NotifyIconData& record) {
  // Zeroed in full: the shell reads no further than cbSize, but nothing
  // uninitialised should ever reach it.
  NOTIFYICONDATAA data{};
  data.cbSize = record.Size;
  data.hWnd = reinterpret_cast<HWND>(record.Window);
  data.uID = record.Id;
  data.uFlags = record.Flags;
  data.uCallbackMessage = record.CallbackMessage;
  data.hIcon = reinterpret_cast<HICON>(record.Icon);
  std::memcpy(data.szTip, record.Tip.data(), NotifyIconData::kTipSize);
  data.szTip[NotifyIconData::kTipSize - 1] = '\0';
  return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace

std::uint32_t Win32NotifyIconShell::RecordSize() const {
  return NOTIFYICONDATAA_V1_SIZE;
}

bool Win32NotifyIconShell::AddIcon(const NotifyIconData& record) {
  return Notify(NIM_ADD, record);
}

bool Win32NotifyIconShell::DeleteIcon(const NotifyIconData& record) {
  return Notify(NIM_DELETE, record);
}

bool Win32NotifyIconShell::ModifyIcon(const NotifyIconData& record) {
  return Notify(NIM_MODIFY, record);
}

std::uint32_t Win32NotifyIconShell::TaskbarCreatedMessage() {
  return RegisterWindowMessageA("TaskbarCreated");
}

void Win32NotifyIconShell::SetForegroundWindow(WindowHandle window) {
  ::SetForegroundWindow(reinterpret_cast<HWND>(window));
}

Point Win32NotifyIconShell::CursorPos() {
  POINT point{};
  GetCursorPos(&point);
  return {point.x, point.y};
}

}  // namespace vorn
