// Shows the desktop's windows with their texts, and presses buttons of other
// programs' windows (message boxes, question boxes) by caption.
//
//   wintree.exe list
//     one line per window: handle, "visible" or "hidden", class, text, separated
//     by tabs; descendants follow their top-level window, indented by two
//     spaces per level. Texts show \r, \n, \t and \\ escaped.
//   wintree.exe press "<window title>" "<caption>" [timeout-ms]
//     waits (default 5000 ms) for a visible top-level window with that title
//     holding a control with that caption ("Ja" also matches "&Ja"), then makes
//     the control's parent act as if it had been clicked. Exit status 1 when no
//     such window appeared.
//   wintree.exe rect <handle>
//     the window's screen rectangle: left, top, width and height.
//   wintree.exe activate <handle>
//     makes the window the foreground window, as a click on it would.
//   wintree.exe focus
//     the foreground window and the window with the keyboard focus in its
//     thread, as handles ("0x00000000" for none), separated by a tab.
//   wintree.exe owner <handle>
//     the window's owner, as a handle ("0x00000000" for none).
//   wintree.exe style <handle>
//     the window's frame, as the names of the style flags it has among caption,
//     thickframe, sysmenu, minimizebox and maximizebox, separated by commas.
//   wintree.exe send <handle> <message> <wparam> <lparam>
//     sends the message (numbers in C notation) and prints the window's
//     answer; exit status 1 when it gave none within 10 s.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Escape(const std::string& text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Controls such as edits keep their text to themselves: ask them, boundedly.
std::string TextOf(HWND window) {
  char buffer[1024] = {};
  DWORD_PTR length = 0;
  if (SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG | SMTO_BLOCK, 500, &length))
    return std::string(buffer, length < sizeof buffer ? length : 0);
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

std::string ClassOf(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

void Print(HWND window, int depth) {
  std::printf("%s0x%08llx\t%s\t%s\t%s\n", std::string(2 * depth, ' ').c_str(),
              static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)),
              IsWindowVisible(window) ? "visible" : "hidden", ClassOf(window).c_str(),
              Escape(TextOf(window)).c_str());
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    Print(child, depth + 1);
}

BOOL CALLBACK Collect(HWND window, LPARAM list) {
  reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  return TRUE;
}

std::vector<HWND> TopLevelWindows() {
  std::vector<HWND> windows;
  EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::vector<HWND> Descendants(HWND parent) {
  std::vector<HWND> windows;
  EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::string WithoutAmpersands(std::string text) {
  std::erase(text, '&');
  return text;
}

HWND FindControl(const std::string& title, const std::string& caption) {
  for (HWND top : TopLevelWindows()) {
    if (!IsWindowVisible(top) || TextOf(top) != title) continue;
    for (HWND control : Descendants(top)) {
      const std::string text = TextOf(control);
      if (text == caption || WithoutAmpersands(text) == caption) return control;
    }
  }
  return nullptr;
}

int PrintRect(const std::string& handle) {
  HWND window =
      reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(handle.c_str(), nullptr, 0)));
  RECT r{};
  if (!IsWindow(window) || !GetWindowRect(window, &r)) {
    std::fprintf(stderr, "wintree: no window %s\n", handle.c_str());
    return 1;
  }
  std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
  return 0;
}

int Activate(const std::string& handle) {
  HWND window =
      reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(handle.c_str(), nullptr, 0)));
  if (!IsWindow(window) || !SetForegroundWindow(window)) {
    std::fprintf(stderr, "wintree: cannot activate %s\n", handle.c_str());
    return 1;
  }
  return 0;
}

void PrintHandle(HWND window) {
  std::printf("0x%08llx", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(window)));
}

int PrintOwner(const char* handle) {
  HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(handle, nullptr, 0)));
  if (!IsWindow(window)) {
    std::fprintf(stderr, "wintree: no window %s\n", handle);
    return 1;
  }
  PrintHandle(GetWindow(window, GW_OWNER));
  std::printf("\n");
  return 0;
}

int PrintStyle(const char* handle) {
  HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(handle, nullptr, 0)));
  if (!IsWindow(window)) {
    std::fprintf(stderr, "wintree: no window %s\n", handle);
    return 1;
  }
  const auto style = GetWindowLongPtrA(window, GWL_STYLE);
  const std::pair<LONG_PTR, const char*> known[] = {{WS_CAPTION, "caption"},
                                                    {WS_THICKFRAME, "thickframe"},
                                                    {WS_SYSMENU, "sysmenu"},
                                                    {WS_MINIMIZEBOX, "minimizebox"},
                                                    {WS_MAXIMIZEBOX, "maximizebox"}};
  std::string flags;
  for (const auto& [bit, name] : known) {
    if ((style & bit) != bit) continue;
    if (!flags.empty()) flags += ',';
    flags += name;
  }
  std::printf("%s\n", flags.c_str());
  return 0;
}

int PrintFocus() {
  HWND foreground = GetForegroundWindow();
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  HWND focus = nullptr;
  if (foreground && GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info))
    focus = info.hwndFocus;
  PrintHandle(foreground);
  std::printf("\t");
  PrintHandle(focus);
  std::printf("\n");
  return 0;
}

int Send(char** args) {
  const auto number = [](const char* text) { return std::strtoull(text, nullptr, 0); };
  HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(number(args[0])));
  DWORD_PTR result = 0;
  if (!IsWindow(window) || !SendMessageTimeoutA(window, static_cast<UINT>(number(args[1])),
                                                static_cast<WPARAM>(number(args[2])),
                                                static_cast<LPARAM>(number(args[3])),
                                                SMTO_ABORTIFHUNG, 10000, &result)) {
    std::fprintf(stderr, "wintree: no answer from %s\n", args[0]);
    return 1;
  }
  std::printf("%llu\n", static_cast<unsigned long long>(result));
  return 0;
}

int List() {
  for (HWND window : TopLevelWindows()) Print(window, 0);
  return 0;
}

// Posted rather than sent: the press may open a modal box in the target, which
// must not hold this helper up.
int Press(const std::string& title, const std::string& caption, DWORD timeout_ms) {
  const ULONGLONG deadline = GetTickCount64() + timeout_ms;
  for (;;) {
    if (HWND control = FindControl(title, caption)) {
      PostMessageA(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), BN_CLICKED),
                   reinterpret_cast<LPARAM>(control));
      return 0;
    }
    if (GetTickCount64() >= deadline) break;
    Sleep(50);
  }
  std::fprintf(stderr, "wintree: no visible window \"%s\" with a control \"%s\"\n", title.c_str(),
               caption.c_str());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  // Rectangles in the screen's own pixels, as xdotool clicks them, at any DPI.
  SetProcessDPIAware();
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "list" && argc == 2) return List();
  if (command == "press" && (argc == 4 || argc == 5))
    return Press(argv[2], argv[3], argc == 5 ? std::strtoul(argv[4], nullptr, 10) : 5000);
  if (command == "rect" && argc == 3) return PrintRect(argv[2]);
  if (command == "activate" && argc == 3) return Activate(argv[2]);
  if (command == "focus" && argc == 2) return PrintFocus();
  if (command == "owner" && argc == 3) return PrintOwner(argv[2]);
  if (command == "style" && argc == 3) return PrintStyle(argv[2]);
  if (command == "send" && argc == 6) return Send(argv + 2);
  // Whether a global atom exists, e.g. the one a program's hotkey registration holds.
  if (command == "atom" && argc == 3) return GlobalFindAtomA(argv[2]) ? 0 : 1;
  std::fprintf(stderr,
               "usage: wintree.exe list\n"
               "       wintree.exe press \"<window title>\" \"<caption>\" [timeout-ms]\n"
               "       wintree.exe rect <handle>\n"
               "       wintree.exe activate <handle>\n"
               "       wintree.exe focus\n"
               "       wintree.exe owner <handle>\n"
               "       wintree.exe send <handle> <message> <wparam> <lparam>\n"
               "       wintree.exe atom <name>\n");
  return 2;
}
