#include "platform/win32/win32_serial_ports.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace vorn {

namespace {

constexpr UINT kServeMs = 10;
constexpr DWORD kWriteTimeoutMs = 50;
constexpr int kHighestPortNumber = 256;

// The message each port's timer stands for, by the timer's id, which is the
// port's handle.
std::map<UINT_PTR, UINT>& TimerMessages() {
  static std::map<UINT_PTR, UINT> messages;
  return messages;
}

PortHandle NextHandle() {
  static PortHandle next = 0x5000;
  return next++;
}

// Timer messages reach this from every message loop, the modal ones included.
void CALLBACK Serve(HWND window, UINT, UINT_PTR timer, DWORD) {
  const auto found = TimerMessages().find(timer);
  if (found != TimerMessages().end()) SendMessageA(window, found->second, timer, 0);
}

bool Answers(const std::string& name) {
  const std::string path = "\\\\.\\" + name;
  HANDLE file = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  CloseHandle(file);
  return true;
}

}  // namespace

Win32SerialPorts::~Win32SerialPorts() {
  while (!ports_.empty()) Close(ports_.begin()->first);
}

std::vector<std::string> Win32SerialPorts::Names() {
  // Wine has no name for a port mapped into its prefix; an open without
  // access rights, which touches no line, finds it.
  const bool wine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
  std::vector<std::string> names;
  char target[1024];
  for (int n = 1; n <= kHighestPortNumber; ++n) {
    const std::string name = "COM" + std::to_string(n);
    if (QueryDosDeviceA(name.c_str(), target, sizeof target) != 0 || (wine && Answers(name)))
      names.push_back(name);
  }
  return names;
}

PortHandle Win32SerialPorts::Open(const std::string& name, WindowHandle window,
                                  std::uint32_t message) {
  if (name.empty() || name.find_first_of("\\/:") != std::string::npos) return kNoPort;
  // Windows refuses a second open of a port; Wine does not, so the service
  // does for its own.
  for (const auto& [handle, port] : ports_)
    if (CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, port.Name.c_str(), -1, name.c_str(),
                       -1) == CSTR_EQUAL)
      return kNoPort;
  const std::string path = "\\\\.\\" + name;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return kNoPort;
  DCB dcb{};
  dcb.DCBlength = sizeof dcb;
  if (GetCommState(file, &dcb)) {
    // The rate stays as it is: a virtual pair ignores it, and the other end
    // sets its own.
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fAbortOnError = FALSE;
    if (dcb.BaudRate == 0) dcb.BaudRate = CBR_9600;
    SetCommState(file, &dcb);
  }
  // Reads return at once with what is there.
  COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, kWriteTimeoutMs};
  const PortHandle handle = NextHandle();
  HWND hwnd = reinterpret_cast<HWND>(window);
  if (!SetCommTimeouts(file, &timeouts) || SetTimer(hwnd, handle, kServeMs, Serve) == 0) {
    CloseHandle(file);
    return kNoPort;
  }
  // Optional: drivers without modem lines (a pty under Wine) refuse these.
  EscapeCommFunction(file, SETDTR);
  EscapeCommFunction(file, SETRTS);
  PurgeComm(file, PURGE_RXCLEAR | PURGE_TXCLEAR);
  TimerMessages()[handle] = message;
  ports_[handle] = {file, window, name};
  return handle;
}

SocketTransfer Win32SerialPorts::Receive(PortHandle handle, char* buffer, std::size_t size) {
  const auto found = ports_.find(handle);
  if (found == ports_.end()) return {SocketTransfer::Closed};
  HANDLE file = found->second.File;
  DWORD errors = 0;
  COMSTAT status{};
  if (!ClearCommError(file, &errors, &status)) return {SocketTransfer::Closed};
  if (status.cbInQue == 0) return {SocketTransfer::WouldBlock};
  DWORD read = 0;
  const DWORD wanted =
      static_cast<DWORD>(std::min<std::size_t>({size, status.cbInQue, std::size_t{INT_MAX}}));
  if (!ReadFile(file, buffer, wanted, &read, nullptr)) return {SocketTransfer::Closed};
  if (read == 0) return {SocketTransfer::WouldBlock};
  return {SocketTransfer::Done, read};
}

SocketTransfer Win32SerialPorts::Send(PortHandle handle, const char* data, std::size_t size) {
  const auto found = ports_.find(handle);
  if (found == ports_.end()) return {SocketTransfer::Closed};
  DWORD written = 0;
  const DWORD length = static_cast<DWORD>(std::min<std::size_t>(size, INT_MAX));
  if (!WriteFile(found->second.File, data, length, &written, nullptr))
    return {SocketTransfer::Closed};
  if (written == 0) return {SocketTransfer::WouldBlock};
  return {SocketTransfer::Done, written};
}

void Win32SerialPorts::Close(PortHandle handle) {
  const auto found = ports_.find(handle);
  if (found == ports_.end()) return;
  KillTimer(reinterpret_cast<HWND>(found->second.Window), handle);
  TimerMessages().erase(handle);
  CloseHandle(found->second.File);
  ports_.erase(found);
}

}  // namespace vorn
