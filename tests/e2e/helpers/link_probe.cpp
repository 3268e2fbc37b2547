// Link probe: shortcuts read back through the shell, for the end-to-end tests.
//
//   link-probe.exe startup      the user's Startup folder
//   link-probe.exe read PATH    the shortcut's target and working folder,
//                               tab separated; exit status 1 when PATH is no
//                               shortcut
#include <windows.h>

#include <cstdio>
#include <string>

#include "platform/win32/win32_shell_links.h"

int main(int argc, char** argv) {
  vorn::Win32ShellLinks links;
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "startup" && argc == 2) {
    std::printf("%s\n", links.StartupFolder().c_str());
    return 0;
  }
  if (command == "read" && argc == 3) {
    const auto link = links.Read(argv[2]);
    if (!link) return 1;
    std::printf("%s\t%s\n", link->Target.c_str(), link->WorkingDir.c_str());
    return 0;
  }
  std::fprintf(stderr, "usage: link-probe.exe startup | read PATH\n");
  return 2;
}
