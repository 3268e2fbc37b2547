// The start of Vorn up to its tray icon, in plain Win32 calls without the
// toolkit and the program around them: the yardstick for what Vorn's own code
// adds to the cost of the windows it must make. With Vorn's manifest (common
// controls 6) it makes, in Vorn's order, the application's hidden window, the
// hidden main window with its panels, controls, list columns, menu bar and
// popup menus, the tray's hidden window, and then adds the tray icon. Runs
// until it is ended; the icon goes with it.

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <initializer_list>

#include "bare_window.h"

namespace {

HINSTANCE Instance() {
  return GetModuleHandleA(nullptr);
}

HWND Child(const char* window_class, DWORD ex_style, DWORD style, const char* text, RECT r,
           HWND parent, HFONT font) {
  HWND window = CreateWindowExA(ex_style, window_class, text, WS_CHILD | style, r.left, r.top,
                                r.right, r.bottom, parent, nullptr, Instance(), nullptr);
  SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return window;
}

HMENU Popup(std::initializer_list<const char*> items, UINT& id) {
  HMENU menu = CreatePopupMenu();
  for (const char* item : items) AppendMenuA(menu, MF_STRING, id++, item);
  return menu;
}

}  // namespace

int main() {
  HICON icon = LoadIconA(Instance(), "MAINICON");
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  for (const char* name : {"FloorForm", "FloorPanel", "FloorUtility"})
    RegisterBareClass(name, QuitOnDestroy, icon);
  CreateWindowExA(WS_EX_TOOLWINDOW, "FloorUtility", "Floor", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                  Instance(), nullptr);

  HWND form =
      CreateWindowExA(0, "FloorForm", "Start Floor", WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN,
                      248, 110, 309, 515, nullptr, nullptr, Instance(), nullptr);
  HFONT font =
      CreateFontA(-11, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  HFONT bold =
      CreateFontA(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, "MS Sans Serif");
  HWND top = Child("FloorPanel", 0, WS_VISIBLE, "", {0, 0, 301, 41}, form, font);
  Child("EDIT", WS_EX_CLIENTEDGE, WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, "", {8, 9, 153, 24},
        top, bold);
  Child("BUTTON", 0, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, "AutoHide", {200, 14, 65, 17}, top,
        font);
  HWND bottom = Child("FloorPanel", 0, WS_VISIBLE, "", {0, 424, 301, 45}, form, font);
  Child("BUTTON", 0, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, "Sort List", {8, 16, 97, 17},
        bottom, font);
  Child("STATIC", 0, WS_VISIBLE, "Station list:", {120, 3, 60, 13}, bottom, font);
  Child("EDIT", WS_EX_CLIENTEDGE, WS_VISIBLE | WS_TABSTOP | ES_READONLY, "", {120, 18, 177, 21},
        bottom, font);
  HWND list = Child(
      WC_LISTVIEWA, WS_EX_CLIENTEDGE,
      WS_VISIBLE | WS_TABSTOP | LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS, "",
      {0, 41, 301, 383}, form, font);
  SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  const char* names[] = {"Frequency", "Bandw.", "Demod", "Station"};
  const int widths[] = {80, 50, 50, 250};
  for (int i = 0; i < 4; ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = widths[i];
    column.pszText = const_cast<char*>(names[i]);
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  Child("STATIC", 0, 0, "Hit key to set as new", {11, 80, 150, 16}, form, bold);
  Child("STATIC", 0, 0, "Hotkey (ESC: Abort)", {11, 104, 150, 16}, form, bold);

  UINT id = 1000;
  HMENU bar = CreateMenu();
  AppendMenuA(bar, MF_POPUP,
              reinterpret_cast<UINT_PTR>(Popup({"Load List", "Save List", "Import List"}, id)),
              "Stations");
  AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(Popup({"Show", "Change"}, id)), "Hotkey");
  for (const char* item : {"Hide", "Close", "Info"}) AppendMenuA(bar, MF_STRING, id++, item);
  SetMenu(form, bar);
  Popup({"Show", "Hide", "Close"}, id);
  Popup({"New Entry", "Delete Entry", "Find"}, id);

  HWND tray = CreateWindowExA(0, "FloorUtility", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                              Instance(), nullptr);
  NOTIFYICONDATAA data{};
  data.cbSize = NOTIFYICONDATAA_V1_SIZE;
  data.hWnd = tray;
  data.uID = 1;
  data.uFlags = NIF_ICON | NIF_TIP | NIF_MESSAGE;
  data.uCallbackMessage = WM_APP;
  data.hIcon = icon;
  lstrcpyA(data.szTip, "Start Floor");
  Shell_NotifyIconA(NIM_ADD, &data);

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  Shell_NotifyIconA(NIM_DELETE, &data);
  return 0;
}
