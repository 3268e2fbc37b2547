#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/hidden_window.h"
#include "platform/stream_sockets.h"
#include "remote/rig_control.h"
#include "remote/rig_session.h"

namespace vorn {

inline constexpr std::size_t kMaxRemoteClients = 8;
// Answers a client has left unread beyond this close its connection.
inline constexpr std::size_t kMaxUnreadAnswers = 64 * 1024;
// The message that carries the sockets' events to the endpoint's window.
inline constexpr std::uint32_t kRemoteSocketMessage = 0x8000 + 0x52;

// The services the endpoint works through; they outlive it.
struct RemoteServices {
  HiddenWindowService& Windows;
  StreamSockets& Sockets;
  RigControl& Rig;
};

// The remote-control endpoint: listens for clients of the radio-control
// protocol and answers them, all on the thread that created it, as messages
// arrive at a hidden window of its own. A client that breaks a limit is
// closed; the others and the rest of the program carry on.
class RemoteEndpoint {
 public:
  explicit RemoteEndpoint(RemoteServices services) : services_(services) {}
  ~RemoteEndpoint();

  RemoteEndpoint(const RemoteEndpoint&) = delete;
  RemoteEndpoint& operator=(const RemoteEndpoint&) = delete;

  // False when the address is bad or the port cannot be had; the endpoint
  // then stays idle.
  bool Listen(const std::string& address, std::uint16_t port);

  std::size_t ClientCount() const { return clients_.size(); }
  // The hidden window; 0 before listening.
  WindowHandle Handle() const { return window_ ? window_->Handle() : 0; }

 private:
  struct Client {
    Client(SocketHandle s, RigControl& rig) : Socket(s), Session(rig) {}
    SocketHandle Socket;
    RigSession Session;
    std::string Unsent;
  };

  std::intptr_t WindowProc(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
  void AcceptOne();
  // Each returns false when it has closed the client.
  bool ReadOnce(Client& client);
  bool Answer(Client& client, const char* bytes, std::size_t size);
  bool Flush(Client& client);
  void Drop(SocketHandle socket);
  Client* Find(SocketHandle socket);

  RemoteServices services_;
  std::unique_ptr<HiddenWindow> window_;
  SocketHandle listener_ = kNoSocket;
  std::vector<std::unique_ptr<Client>> clients_;
};

}  // namespace vorn
