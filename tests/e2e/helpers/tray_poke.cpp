// Acts as the shell towards a tray icon's window, and shows where popup menus
// are.
//
//   tray-poke.exe post WINDOW MESSAGE WPARAM LPARAM
//     posts the message (numbers in C notation, e.g. 0x1a2b or 1025) as the
//     shell does for mouse actions on a notification icon; exit status 1 when
//     the window does not exist.
//   tray-poke.exe rects CLASS
//     one line per visible window of that class, top-level or child (popup
//     menus are "#32768"): handle, left, top, right, bottom in screen
//     coordinates, separated by tabs.
//   tray-poke.exe delete WINDOW ID
//     removes that window's notification icon behind its back; exit status 1
//     when the shell refused (no such icon).
//   tray-poke.exe announce
//     broadcasts "TaskbarCreated", as the shell does when it (re)starts.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <shellapi.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

unsigned long long Number(const char* text) {
  return std::strtoull(text, nullptr, 0);
}

BOOL CALLBACK PrintRect(HWND window, LPARAM wanted) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, reinterpret_cast<const char*>(wanted)) != 0 || !IsWindowVisible(window))
    return TRUE;
  RECT r{};
  GetWindowRect(window, &r);
  std::printf("0x%llx\t%ld\t%ld\t%ld\t%ld\n",
              static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(window)), r.left,
              r.top, r.right, r.bottom);
  return TRUE;
}

BOOL CALLBACK VisitTopLevel(HWND window, LPARAM wanted) {
  PrintRect(window, wanted);
  EnumChildWindows(window, PrintRect, wanted);
  return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
  // Lines end in \n alone, for the scripts that read them.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc == 6 && std::strcmp(argv[1], "post") == 0) {
    HWND window = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(Number(argv[2])));
    if (!IsWindow(window)) return 1;
    return PostMessageA(window, static_cast<UINT>(Number(argv[3])),
                        static_cast<WPARAM>(Number(argv[4])), static_cast<LPARAM>(Number(argv[5])))
               ? 0
               : 1;
  }
  if (argc == 3 && std::strcmp(argv[1], "rects") == 0) {
    EnumWindows(VisitTopLevel, reinterpret_cast<LPARAM>(argv[2]));
    return 0;
  }
  if (argc == 4 && std::strcmp(argv[1], "delete") == 0) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(Number(argv[2])));
    data.uID = static_cast<UINT>(Number(argv[3]));
    return Shell_NotifyIconA(NIM_DELETE, &data) ? 0 : 1;
  }
  if (argc == 2 && std::strcmp(argv[1], "announce") == 0) {
    const UINT message = RegisterWindowMessageA("TaskbarCreated");
    return message != 0 && SendNotifyMessageA(HWND_BROADCAST, message, 0, 0) ? 0 : 1;
  }
  std::fprintf(stderr,
               "usage: tray-poke post WINDOW MESSAGE WPARAM LPARAM | tray-poke rects CLASS\n"
               "       tray-poke delete WINDOW ID | tray-poke announce\n");
  return 2;
}
