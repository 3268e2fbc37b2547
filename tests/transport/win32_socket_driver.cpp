// The driver over Winsock: the clients and the other program are plain
// sockets of this process, and the events come through its message queue.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <map>
#include <stdexcept>
#include <vector>

#include "platform/win32/win32_hidden_window.h"
#include "platform/win32/win32_stream_sockets.h"
#include "socket_driver.h"

namespace vorn {

namespace {

constexpr DWORD kDeadlineMs = 20000;

sockaddr_in Loopback(std::uint16_t port) {
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_port = htons(port);
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return a;
}

class Win32SocketDriver : public SocketDriver {
 public:
  Win32SocketDriver() {
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) != 0) throw std::runtime_error("WSAStartup failed");
  }
  ~Win32SocketDriver() override {
    for (SOCKET s : clients_)
      if (s != INVALID_SOCKET) closesocket(s);
    for (const auto& [port, s] : holders_) closesocket(s);
    WSACleanup();
  }

  StreamSockets& Sockets() override { return sockets_; }
  HiddenWindowService& Windows() override { return windows_; }

  // One the system hands out for a moment.
  std::uint16_t UnusedPort() override {
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    sockaddr_in a = Loopback(0);
    int size = sizeof a;
    if (bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &size) != 0)
      throw std::runtime_error("no port to be had");
    closesocket(s);
    return ntohs(a.sin_port);
  }

  void HoldPort(std::uint16_t port) override {
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in a = Loopback(port);
    if (bind(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0 || listen(s, 4) != 0)
      throw std::runtime_error("could not hold port " + std::to_string(port));
    holders_[port] = s;
  }
  void ReleasePort(std::uint16_t port) override {
    closesocket(holders_.at(port));
    holders_.erase(port);
  }

  // The connection completes in the listener's backlog, before any accept.
  int Connect(std::uint16_t port) override {
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    const sockaddr_in a = Loopback(port);
    if (connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) != 0) {
      closesocket(s);
      return -1;
    }
    u_long non_blocking = 1;
    ioctlsocket(s, FIONBIO, &non_blocking);
    clients_.push_back(s);
    return static_cast<int>(clients_.size()) - 1;
  }

  void Write(int client, std::string_view bytes) override {
    while (!bytes.empty()) {
      const int n = send(clients_.at(client), bytes.data(), static_cast<int>(bytes.size()), 0);
      if (n <= 0) throw std::runtime_error("a client could not send");
      bytes.remove_prefix(static_cast<std::size_t>(n));
    }
  }

  std::string Read(int client) override {
    std::string got;
    char buffer[64 * 1024];
    int n;
    while ((n = recv(clients_.at(client), buffer, sizeof buffer, 0)) > 0) got.append(buffer, n);
    return got;
  }

  // A graceful close, as a client program's exit.
  void Disconnect(int client) override {
    closesocket(clients_.at(client));
    clients_.at(client) = INVALID_SOCKET;
  }

  bool PumpUntil(const std::function<bool()>& done) override {
    const DWORD start = GetTickCount();
    for (;;) {
      MSG msg;
      while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
      }
      if (done()) return true;
      const DWORD elapsed = GetTickCount() - start;
      if (elapsed >= kDeadlineMs) return false;
      // Until a message comes, or a while for what the loop polls (the
      // clients' sockets).
      MsgWaitForMultipleObjects(0, nullptr, FALSE, std::min<DWORD>(kDeadlineMs - elapsed, 20),
                                QS_ALLINPUT);
    }
  }

 private:
  Win32HiddenWindows windows_;
  Win32StreamSockets sockets_;
  std::vector<SOCKET> clients_;
  std::map<std::uint16_t, SOCKET> holders_;
};

}  // namespace

std::unique_ptr<SocketDriver> MakeSocketDriver() {
  return std::make_unique<Win32SocketDriver>();
}

}  // namespace vorn
