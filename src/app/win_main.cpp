// Vorn.exe: the real platform services handed to the program.
#include <windows.h>

#include <string>

#include "app/program.h"
#include "app/settings.h"
#include "platform/start_trace.h"
#include "platform/win32/win32_code_page.h"
#include "platform/win32/win32_file_system.h"
#include "platform/win32/win32_hidden_window.h"
#include "platform/win32/win32_interval_timer.h"
#include "platform/win32/win32_keyboard_layouts.h"
#include "platform/win32/win32_locale.h"
#include "platform/win32/win32_notify_icon.h"
#include "platform/win32/win32_private_profile.h"
#include "platform/win32/win32_serial_ports.h"
#include "platform/win32/win32_shell_links.h"
#include "platform/win32/win32_single_instance.h"
#include "platform/win32/win32_stream_sockets.h"
#include "platform/win32/win32_system_hotkeys.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_window_tree.h"

namespace {

std::string CurrentDirectory() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetCurrentDirectoryA(sizeof buffer, buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

std::string ProgramPath() {
  char buffer[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof buffer);
  return length > 0 && length < sizeof buffer ? std::string(buffer, length) : std::string();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  using namespace vorn;
  StartTrace("entry");
  std::unique_ptr<Toolkit> toolkit = CreateWin32Toolkit();
  StartTrace("toolkit");
  Application& app = toolkit->App();

  Win32WindowTree desktop;
  Win32PrivateProfile profile;
  ProfileSettings settings(profile);
  Win32FileSystem files;
  Win32Locale locale;
  Win32Alert alert;
  Win32HiddenWindows hidden(
      [&app](std::exception_ptr error) { app.Guard([&error] { std::rethrow_exception(error); }); });
  Win32GlobalAtoms atoms;
  Win32SystemHotKeys hotkeys;
  Win32KeyboardLayouts layouts;
  Win32SingleInstance instance;
  Win32NotifyIconShell shell;
  Win32StreamSockets sockets;
  Win32SerialPorts ports;
  Win32CodePage code_page;
  Win32IntervalTimers timers(hidden);
  Win32ShellLinks links;

  app.Guard([&] {
    Program program({{*toolkit,
                      desktop,
                      settings,
                      files,
                      locale,
                      alert,
                      {hidden, atoms, hotkeys},
                      shell,
                      CurrentDirectory(),
                      '\\',
                      code_page,
                      timers,
                      links,
                      ProgramPath()},
                     instance,
                     layouts,
                     profile,
                     sockets,
                     ports});
    program.Run();
  });
  return 0;
}
