// Watches the desktop's windows for timing scripts: one command per line on
// stdin (fields separated by tabs), one reply line on stdout, either the
// performance counter in microseconds at the moment the condition held, or
// "timeout" after 30 s. The counter is the clock the receiver stand-in logs
// with.
//
//   shown<TAB>CLASS<TAB>TITLE      a visible top-level window of that class and title
//   hidden<TAB>CLASS<TAB>TITLE     no visible one
//   focused<TAB>CLASS<TAB>TITLE<TAB>FOCUS-CLASS
//                                  shown, the foreground window, and the keyboard
//                                  focus on a control of class FOCUS-CLASS in it
//   text<TAB>HANDLE<TAB>TEXT       the window's text equals TEXT
//   atom<TAB>NAME                  the global atom exists (a program's hotkey is registered)
//   quit

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include "microseconds.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  for (;;) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

struct Wanted {
  const std::string& window_class;
  const std::string& title;
  HWND found = nullptr;
};

BOOL CALLBACK MatchVisible(HWND window, LPARAM lparam) {
  Wanted& wanted = *reinterpret_cast<Wanted*>(lparam);
  char name[256] = {}, text[256] = {};
  GetClassNameA(window, name, sizeof name);
  GetWindowTextA(window, text, sizeof text);
  if (IsWindowVisible(window) && wanted.window_class == name &&
      (wanted.title.empty() || wanted.title == text))
    wanted.found = window;
  return wanted.found ? FALSE : TRUE;
}

BOOL CALLBACK FindVisible(HWND window, LPARAM lparam) {
  if (MatchVisible(window, lparam)) EnumChildWindows(window, MatchVisible, lparam);
  return reinterpret_cast<Wanted*>(lparam)->found ? FALSE : TRUE;
}

// A visible window of that class and title, top-level or child (such as an
// icon in the system tray); an empty title stands for any title.
HWND Shown(const std::string& window_class, const std::string& title) {
  Wanted wanted{window_class, title};
  EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&wanted));
  return wanted.found;
}

std::string ClassOf(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

bool Focused(const std::string& window_class, const std::string& title,
             const std::string& focus_class) {
  HWND window = Shown(window_class, title);
  if (!window || GetForegroundWindow() != window) return false;
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return false;
  return info.hwndFocus && IsChild(window, info.hwndFocus) &&
         ClassOf(info.hwndFocus) == focus_class;
}

bool HasText(HWND window, const std::string& text) {
  char buffer[1024] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 500, &length))
    return false;
  return std::string(buffer, length < sizeof buffer ? length : 0) == text;
}

// Polls as fast as the system lets a thread sleep.
void Wait(const std::function<bool()>& condition) {
  const ULONGLONG deadline = GetTickCount64() + 30000;
  while (!condition()) {
    if (GetTickCount64() >= deadline) {
      std::printf("timeout\n");
      std::fflush(stdout);
      return;
    }
    Sleep(1);
  }
  std::printf("%lld\n", Microseconds());
  std::fflush(stdout);
}

}  // namespace

int main() {
  _setmode(_fileno(stdout), _O_BINARY);
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::vector<std::string> f = Fields(line);
    if (f[0] == "quit") break;
    if (f[0] == "shown" && f.size() == 3) {
      Wait([&] { return Shown(f[1], f[2]) != nullptr; });
    } else if (f[0] == "hidden" && f.size() == 3) {
      Wait([&] { return Shown(f[1], f[2]) == nullptr; });
    } else if (f[0] == "focused" && f.size() == 4) {
      Wait([&] { return Focused(f[1], f[2], f[3]); });
    } else if (f[0] == "atom" && f.size() == 2) {
      Wait([&] { return GlobalFindAtomA(f[1].c_str()) != 0; });
    } else if (f[0] == "text" && f.size() == 3) {
      HWND window =
          reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(f[1].c_str(), nullptr, 0)));
      Wait([&] { return HasText(window, f[2]); });
    } else {
      std::printf("unknown command\n");
      std::fflush(stdout);
    }
  }
  return 0;
}
