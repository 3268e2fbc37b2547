#include "platform/win32/win32_locale.h"

#include <windows.h>

namespace vorn {

char Win32Locale::DecimalSeparator() {
  char buffer[8] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, sizeof buffer) > 1 &&
      buffer[0] != '\0')
    return buffer[0];
  return '.';
}

void Win32Alert::Beep() {
  MessageBeep(0);
}

void Win32Alert::FlashCaption(WindowHandle window) {
  FlashWindow(reinterpret_cast<HWND>(window), TRUE);
}

}  // namespace vorn
