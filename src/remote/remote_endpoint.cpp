#include "remote/remote_endpoint.h"

#include <algorithm>

namespace vorn {

namespace {

constexpr std::size_t kReceiveChunk = 4096;

}  // namespace

RemoteEndpoint::~RemoteEndpoint() {
  for (const auto& client : clients_) services_.Sockets.Close(client->Socket);
  if (listener_ != kNoSocket) services_.Sockets.Close(listener_);
}

bool RemoteEndpoint::Listen(const std::string& address, std::uint16_t port) {
  window_ = services_.Windows.CreateHiddenWindow(
      [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
        return WindowProc(message, wparam, lparam);
      });
  if (window_->Handle() != 0)
    listener_ = services_.Sockets.Listen(address, port, window_->Handle(), kRemoteSocketMessage);
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
  const SocketHandle socket = services_.Sockets.Accept(listener_);
  if (socket == kNoSocket) return;
  if (clients_.size() >= kMaxRemoteClients) {
    services_.Sockets.Close(socket);
    return;
  }
  clients_.push_back(std::make_unique<Client>(socket, services_.Rig));
}

bool RemoteEndpoint::ReadOnce(Client& client) {
  char buffer[kReceiveChunk];
  const SocketTransfer received = services_.Sockets.Receive(client.Socket, buffer, sizeof buffer);
  if (received.Status == SocketTransfer::Closed) {
    Drop(client.Socket);
    return false;
  }
  if (received.Status == SocketTransfer::WouldBlock) return false;
  return Answer(client, buffer, received.Bytes);
}

bool RemoteEndpoint::Answer(Client& client, const char* bytes, std::size_t size) {
  client.Session.Receive(std::string_view(bytes, size), client.Unsent);
  if (!Flush(client)) return false;
  if (client.Session.Ended()) {
    Drop(client.Socket);
    return false;
  }
  return true;
}

bool RemoteEndpoint::Flush(Client& client) {
  std::size_t sent = 0;
  while (sent < client.Unsent.size()) {
    const SocketTransfer transfer = services_.Sockets.Send(
        client.Socket, client.Unsent.data() + sent, client.Unsent.size() - sent);
    if (transfer.Status == SocketTransfer::Closed) {
      Drop(client.Socket);
      return false;
    }
    if (transfer.Status == SocketTransfer::WouldBlock) break;
    sent += transfer.Bytes;
  }
  client.Unsent.erase(0, sent);
  if (client.Unsent.size() > kMaxUnreadAnswers) {
    Drop(client.Socket);
    return false;
  }
  return true;
}

void RemoteEndpoint::Drop(SocketHandle socket) {
  services_.Sockets.Close(socket);
  std::erase_if(clients_, [socket](const auto& client) { return client->Socket == socket; });
}

RemoteEndpoint::Client* RemoteEndpoint::Find(SocketHandle socket) {
  for (const auto& client : clients_)
    if (client->Socket == socket) return client.get();
  return nullptr;
}

}  // namespace vorn
