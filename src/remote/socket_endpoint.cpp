#include "remote/socket_endpoint.h"

#include <algorithm>

namespace vorn {

struct SocketEndpoint::Client : HandleChannel<StreamSockets, SocketHandle> {
  Client(StreamSockets& sockets, SocketHandle socket, std::unique_ptr<RemoteSession> session)
      : HandleChannel(sockets, socket), Link(std::move(session)) {}

  Connection Link;
};

SocketEndpoint::SocketEndpoint(SocketServices services, SessionFactory sessions)
    : services_(services), sessions_(std::move(sessions)) {}

SocketEndpoint::~SocketEndpoint() {
  for (const auto& client : clients_) services_.Sockets.Close(client->HeldHandle());
  if (listener_ != kNoSocket) services_.Sockets.Close(listener_);
}

bool SocketEndpoint::Listen(const std::string& address, std::uint16_t port) {
  window_ = services_.Windows.CreateHiddenWindow(
      [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
        return WindowProc(message, wparam, lparam);
      });
  if (window_->Handle() != 0)
    listener_ = services_.Sockets.Listen(address, port, window_->Handle(), kRemoteSocketMessage);
  if (listener_ == kNoSocket) window_.reset();
  return listener_ != kNoSocket;
}

std::intptr_t SocketEndpoint::WindowProc(std::uint32_t message, std::uintptr_t wparam,
                                         std::intptr_t lparam) {
  if (message != kRemoteSocketMessage) return window_->DefaultProcedure(message, wparam, lparam);
  const SocketHandle socket = wparam;
  const auto event = static_cast<std::uint32_t>(lparam & 0xffff);
  const auto error = static_cast<std::uint32_t>((lparam >> 16) & 0xffff);
  if (socket == listener_) {
    if (event == kSocketAccept && error == 0) AcceptOne();
    return 0;
  }
  // Events of a socket closed before its message arrived find no client.
  Client* client = Find(socket);
  if (client == nullptr) return 0;
  if (event == kSocketRead && error == 0) {
    client->Link.ReadOnce(*client);
  } else if (event == kSocketWrite && error == 0) {
    client->Link.Flush(*client);
  } else {
    // Closed or failed: what the client sent before it went is answered as
    // far as that goes without waiting, and the socket itself says when it
    // is done. A late message for a closed socket whose handle a new client
    // has got finds nothing to read, and leaves that client alone.
    while (client->Link.ReadOnce(*client)) {
    }
  }
  if (client->Link.Finished()) Drop(socket);
  return 0;
}

void SocketEndpoint::AcceptOne() {
  const SocketHandle socket = services_.Sockets.Accept(listener_);
  if (socket == kNoSocket) return;
  if (clients_.size() >= kMaxRemoteClients) {
    services_.Sockets.Close(socket);
    return;
  }
  clients_.push_back(std::make_unique<Client>(services_.Sockets, socket, sessions_()));
}

void SocketEndpoint::Drop(SocketHandle socket) {
  services_.Sockets.Close(socket);
  std::erase_if(clients_, [socket](const auto& client) { return client->HeldHandle() == socket; });
}

SocketEndpoint::Client* SocketEndpoint::Find(SocketHandle socket) {
  for (const auto& client : clients_)
    if (client->HeldHandle() == socket) return client.get();
  return nullptr;
}

}  // namespace vorn
