#pragma once

#include <map>

#include "platform/stream_sockets.h"

namespace vorn {

struct Winsock;

// Winsock sockets whose events are posted to a window (WSAAsyncSelect).
// Winsock is loaded and started by the first Listen.
class Win32StreamSockets : public StreamSockets {
 public:
  Win32StreamSockets() = default;
  ~Win32StreamSockets() override;

  Win32StreamSockets(const Win32StreamSockets&) = delete;
  Win32StreamSockets& operator=(const Win32StreamSockets&) = delete;

  SocketHandle Listen(const std::string& address, std::uint16_t port, WindowHandle window,
                      std::uint32_t message) override;
  SocketHandle Accept(SocketHandle listener) override;
  SocketTransfer Receive(SocketHandle socket, char* buffer, std::size_t size) override;
  SocketTransfer Send(SocketHandle socket, const char* data, std::size_t size) override;
  void Close(SocketHandle socket) override;

 private:
  struct Target {
    WindowHandle Window;
    std::uint32_t Message;
  };

  // Set once Winsock has started.
  const Winsock* started_ = nullptr;
  std::map<SocketHandle, Target> listeners_;
};

}  // namespace vorn
