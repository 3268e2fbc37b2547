#include "remote/remote_endpoint.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr std::size_t kReceiveChunk = 4096;

}  // namespace

RemoteEndpoint::~RemoteEndpoint() {
  for (const auto& client : clients_) services_.sockets.Close(client->socket);
  if (listener_ != kNoSocket) services_.sockets.Close(listener_);
}

bool RemoteEndpoint::Listen(const std::string& address, std::uint16_t port) {
  window_ = services_.windows.CreateHiddenWindow(
      [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
        return WindowProc(message, wparam, lparam);
      });
  if (window_->Handle() != 0)
    listener_ = services_.sockets.Listen(address, port, window_->Handle(), kRemoteSocketMessage);
  if (listener_ == kNoSocket) window_.reset();
  return listener_ != kNoSocket;
}

std::intptr_t RemoteEndpoint::WindowProc(std::uint32_t message, std::uintptr_t wparam,
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
    ReadOnce(*client);
  } else if (event == kSocketWrite && error == 0) {
    Flush(*client);
  } else {
    // Closed or failed: what the client sent before it went is answered as
    // far as that goes without waiting, and the socket itself says when it
    // is done. A late message for a closed socket whose handle a new client
    // has got finds nothing to read, and leaves that client alone.
    while (ReadOnce(*client)) {
    }
  }
  return 0;
}

void RemoteEndpoint::AcceptOne() {
  const SocketHandle socket = services_.sockets.Accept(listener_);
  if (socket == kNoSocket) return;
  if (clients_.size() >= kMaxRemoteClients) {
    services_.sockets.Close(socket);
    return;
  }
  clients_.push_back(std::make_unique<Client>(socket, services_.rig));
}

bool RemoteEndpoint::ReadOnce(Client& client) {
  char buffer[kReceiveChunk];
  const SocketTransfer received = services_.sockets.Receive(client.socket, buffer, sizeof buffer);
  if (received.status == SocketTransfer::Closed) {
    Drop(client.socket);
    return false;
  }
  if (received.status == SocketTransfer::WouldBlock) return false;
  return Answer(client, buffer, received.bytes);
}

bool RemoteEndpoint::Answer(Client& client, const char* bytes, std::size_t size) {
  client.session.Receive(std::string_view(bytes, size), client.unsent);
  if (!Flush(client)) return false;
  if (client.session.Ended()) {
    Drop(client.socket);
    return false;
  }
  return true;
}

bool RemoteEndpoint::Flush(Client& client) {
  std::size_t sent = 0;
  while (sent < client.unsent.size()) {
    const SocketTransfer transfer = services_.sockets.Send(
        client.socket, client.unsent.data() + sent, client.unsent.size() - sent);
    if (transfer.status == SocketTransfer::Closed) {
      Drop(client.socket);
      return false;
    }
    if (transfer.status == SocketTransfer::WouldBlock) break;
    sent += transfer.bytes;
  }
  client.unsent.erase(0, sent);
  if (client.unsent.size() > kMaxUnreadAnswers) {
    Drop(client.socket);
    return false;
  }
  return true;
}

void RemoteEndpoint::Drop(SocketHandle socket) {
  services_.sockets.Close(socket);
  std::erase_if(clients_, [socket](const auto& client) { return client->socket == socket; });
}

RemoteEndpoint::Client* RemoteEndpoint::Find(SocketHandle socket) {
  for (const auto& client : clients_)
    if (client->socket == socket) return client.get();
  return nullptr;
}

}  // namespace vorn
