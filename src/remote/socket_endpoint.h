#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/hidden_window.h"
#include "platform/stream_sockets.h"
#include "remote/connection.h"
#include "remote/remote_session.h"

namespace vorn {

inline constexpr std::size_t kMaxRemoteClients = 8;
// The message that carries the sockets' events to the endpoint's window.
inline constexpr std::uint32_t kRemoteSocketMessage = 0x8000 + 0x52;

// The services the endpoint works through; they outlive it.
struct SocketServices {
  HiddenWindowService& Windows;
  StreamSockets& Sockets;
};

// A remote-control endpoint on a TCP port: listens for clients and gives each
// a session of its protocol, all on the thread that created it, as messages
// arrive at a hidden window of its own. A client that breaks a limit is
// closed; the others and the rest of the program carry on.
class SocketEndpoint {
 public:
  SocketEndpoint(SocketServices services, SessionFactory sessions);
  ~SocketEndpoint();

  SocketEndpoint(const SocketEndpoint&) = delete;
  SocketEndpoint& operator=(const SocketEndpoint&) = delete;

  // False when the address is bad or the port cannot be had; the endpoint
  // then stays idle.
  bool Listen(const std::string& address, std::uint16_t port);

  std::size_t ClientCount() const { return clients_.size(); }
  // The hidden window; 0 before listening.
  WindowHandle Handle() const { return window_ ? window_->Handle() : 0; }

 private:
  struct Client;

  std::intptr_t WindowProc(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
  void AcceptOne();
  void Drop(SocketHandle socket);
  Client* Find(SocketHandle socket);

  SocketServices services_;
  SessionFactory sessions_;
  std::unique_ptr<HiddenWindow> window_;
  SocketHandle listener_ = kNoSocket;
  std::vector<std::unique_ptr<Client>> clients_;
};

}  // namespace vorn
