// Another program that holds a COM port: opens the one named on the command
// line for itself alone, says "holding" (or "refused" and the error) on
// stdout, and keeps it until killed.
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  const std::string path = std::string("\\\\.\\") + argv[1];
  HANDLE port = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (port == INVALID_HANDLE_VALUE) {
    std::printf("refused %lu\n", GetLastError());
    return 1;
  }
  std::printf("holding\n");
  std::fflush(stdout);
  Sleep(INFINITE);
  return 0;
}
