// Hotkey probe: a THotKeyManager on the real system services, driven by keys
// pressed in its own small window.
//
//   hotkey-probe.exe --log FILE --name NAME [--x LEFT]
//
// Registers 109 (keypad minus) and Ctrl+Shift+F9, tries 109 a second time,
// writes the key texts next to what the system itself names the keys, and
// then logs each press of a registered hotkey. Keys in its window: R releases
// everything, G registers 109 again, Q quits. It logs "active" and
// "inactive" as its window gains and loses the activation, since only the
// active window gets those keys. Log lines are tab separated and flushed at
// once.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "components/hot_key_manager.h"
#include "platform/component.h"
#include "platform/win32/win32_hidden_window.h"
#include "platform/win32/win32_keyboard_layouts.h"
#include "platform/win32/win32_system_hotkeys.h"

namespace {

using vorn::kHotKeyAlt;
using vorn::kHotKeyCtrl;
using vorn::kHotKeyShift;
using vorn::kHotKeyWin;

constexpr std::uint32_t kNumpadMinus = 109;
constexpr std::uint32_t kCtrlShiftF9 = kHotKeyCtrl | kHotKeyShift | 120;

std::FILE* log_file = nullptr;
vorn::THotKeyManager* manager = nullptr;

void Log(const std::string& line) {
  std::fputs((line + "\n").c_str(), log_file);
  std::fflush(log_file);
}

std::string Tab(const std::string& a, const std::string& b) {
  return a + "\t" + b;
}

std::string Hex(std::uintptr_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "%llx", static_cast<unsigned long long>(value));
  return text;
}

bool IsExtended(UINT key) {
  return (key >= 33 && key <= 40) || key == 45 || key == 46;
}

std::string SystemName(UINT key, HKL layout) {
  const UINT scan = layout ? MapVirtualKeyExA(key, 0, layout) : MapVirtualKeyA(key, 0);
  const LONG code = static_cast<LONG>(((scan & 0xFF) << 16) | (IsExtended(key) ? 1u << 24 : 0));
  char name[256] = {};
  const HKL active = GetKeyboardLayout(0);
  if (layout) ActivateKeyboardLayout(layout, 0);
  GetKeyNameTextA(code, name, sizeof name);
  if (layout) ActivateKeyboardLayout(active, 0);
  return name;
}

void LogKeyTexts() {
  // The US layout is loaded by now; loading it again only gives its handle.
  const HKL us = LoadKeyboardLayoutA("00000409", 0);
  Log("layout\t" + Hex(reinterpret_cast<std::uintptr_t>(GetKeyboardLayout(0))) + "\t" +
      Hex(reinterpret_cast<std::uintptr_t>(us)));
  for (const UINT key : {109u, 120u, 36u, 16u, 17u, 18u}) {
    const std::string value = std::to_string(key);
    Log("keytext\t" + value + "\t" + Tab(vorn::KeyText(key, false), vorn::KeyText(key, true)));
    Log("system\t" + value + "\t" + Tab(SystemName(key, us), SystemName(key, nullptr)));
  }
  const std::uint32_t all = kHotKeyCtrl | kHotKeyShift | kHotKeyAlt | kHotKeyWin | 120;
  Log("keytext\t" + std::to_string(all) + "\t" +
      Tab(vorn::KeyText(all, false), vorn::KeyText(all, true)));
}

void Register(const char* what, std::uint32_t value) {
  const std::uint16_t index = manager->RegisterKey(value);
  Log(std::string(what) + "\t" + std::to_string(value) + "\t" + std::to_string(index));
}

LRESULT CALLBACK ProbeProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      if (wparam == 'R') {
        manager->ReleaseAll();
        Log("released");
      } else if (wparam == 'G') {
        Register("again", kNumpadMinus);
      } else if (wparam == 'Q') {
        DestroyWindow(window);
      }
      return 0;
    case WM_ACTIVATE:
      Log(LOWORD(wparam) == WA_INACTIVE ? "inactive" : "active");
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

HWND CreateProbeWindow(const std::string& title, int left) {
  WNDCLASSA window_class{};
  window_class.lpfnWndProc = ProbeProcedure;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  window_class.lpszClassName = "VornHotkeyProbe";
  RegisterClassA(&window_class);
  HWND window = CreateWindowExA(0, "VornHotkeyProbe", title.c_str(), WS_OVERLAPPEDWINDOW, left, 40,
                                240, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ShowWindow(window, SW_SHOW);
  UpdateWindow(window);
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  std::string log_path;
  std::string name = "probe";
  int left = 40;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--log") == 0) log_path = argv[i + 1];
    if (std::strcmp(argv[i], "--name") == 0) name = argv[i + 1];
    if (std::strcmp(argv[i], "--x") == 0) left = std::atoi(argv[i + 1]);
  }
  log_file = log_path.empty() ? stdout : std::fopen(log_path.c_str(), "wb");
  if (log_file == nullptr) return 2;

  vorn::Win32KeyboardLayouts layouts;
  auto key_text = std::make_unique<vorn::KeyTextLayout>(layouts);
  vorn::Win32HiddenWindows windows([](std::exception_ptr) { Log("exception"); });
  vorn::Win32GlobalAtoms atoms;
  vorn::Win32SystemHotKeys hotkeys;
  {
    vorn::TComponent root(nullptr);
    manager = &vorn::TComponent::Create<vorn::THotKeyManager>(
        root, vorn::HotKeyServices{windows, atoms, hotkeys});
    manager->OnHotKeyPressed = [](std::uint32_t HotKey, std::uint16_t Index) {
      Log("pressed\t" + std::to_string(HotKey) + "\t" + std::to_string(Index));
    };
    Register("register", kNumpadMinus);
    Log("atom\t" + std::to_string(kNumpadMinus) + "\t" +
        std::to_string(GlobalFindAtomA("HotKeyManagerHotKey109")));
    Register("second", kNumpadMinus);
    Register("register", kCtrlShiftF9);
    LogKeyTexts();

    CreateProbeWindow("hotkey-probe " + name, left);
    Log("ready");
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    manager = nullptr;
  }
  key_text.reset();
  Log("bye");
  if (log_file != stdout) std::fclose(log_file);
  return 0;
}
