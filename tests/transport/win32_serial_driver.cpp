// The contract's driver for COM ports under Wine: run_contract.sh
// maps COM5 and COM6 to the two ends of a pty pair; the driver holds COM6,
// and ends the pair by creating the file VORN_SERIAL_GONE names, on which
// the script ends socat.
#include <windows.h>

#include <chrono>

#include "platform/win32/win32_hidden_window.h"
#include "platform/win32/win32_serial_ports.h"
#include "serial_driver.h"

namespace vorn {

namespace {

constexpr auto kDeadline = std::chrono::seconds(3);

class Win32SerialDriver : public SerialDriver {
 public:
  Win32SerialDriver() {
    peer_ = CreateFileA("\\\\.\\COM6", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0,
                        nullptr);
    COMMTIMEOUTS timeouts{MAXDWORD, 0, 0, 0, 1000};
    if (peer_ != INVALID_HANDLE_VALUE) SetCommTimeouts(peer_, &timeouts);
  }
  ~Win32SerialDriver() override { ClosePeer(); }

  SerialPorts& Ports() override { return ports_; }
  HiddenWindowService& Windows() override { return windows_; }
  std::string PortName() override { return "COM5"; }
  void PeerWrite(const std::string& bytes) override {
    DWORD written = 0;
    WriteFile(peer_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  }
  std::string PeerRead() override {
    char buffer[256];
    DWORD read = 0;
    if (peer_ == INVALID_HANDLE_VALUE || !ReadFile(peer_, buffer, sizeof buffer, &read, nullptr))
      return {};
    return std::string(buffer, read);
  }
  void PeerGone() override {
    ClosePeer();
    char path[MAX_PATH] = {};
    if (GetEnvironmentVariableA("VORN_SERIAL_GONE", path, sizeof path) == 0) return;
    HANDLE request = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (request != INVALID_HANDLE_VALUE) CloseHandle(request);
  }
  bool ServeUntil(const std::function<bool()>& done) override {
    const auto end = std::chrono::steady_clock::now() + kDeadline;
    while (!done()) {
      if (std::chrono::steady_clock::now() > end) return false;
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      MSG message;
      while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
    }
    return true;
  }

 private:
  void ClosePeer() {
    if (peer_ != INVALID_HANDLE_VALUE) CloseHandle(peer_);
    peer_ = INVALID_HANDLE_VALUE;
  }

  Win32HiddenWindows windows_;
  Win32SerialPorts ports_;
  HANDLE peer_ = INVALID_HANDLE_VALUE;
};

}  // namespace

std::unique_ptr<SerialDriver> MakeSerialDriver() {
  return std::make_unique<Win32SerialDriver>();
}

}  // namespace vorn
