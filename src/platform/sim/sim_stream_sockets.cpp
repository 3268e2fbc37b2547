#include "platform/sim/sim_stream_sockets.h"

#include <algorithm>

namespace vorn {

namespace {

bool IsDottedQuad(const std::string& address) {
  int parts = 0, digits = 0, value = 0;
  for (char c : address + '.') {
    if (c == '.') {
      if (digits == 0 || value > 255) return false;
      ++parts;
      digits = value = 0;
    } else if (c >= '0' && c <= '9' && digits < 3) {
      value = value * 10 + (c - '0');
      ++digits;
    } else {
      return false;
    }
  }
  return parts == 4;
}

}  // namespace

SocketHandle SimStreamSockets::Listen(const std::string& address, std::uint16_t port,
                                      WindowHandle window, std::uint32_t message) {
  if (!IsDottedQuad(address) || taken_.count(port) != 0) return kNoSocket;
  for (const auto& [socket, listener] : listeners_)
    if (listener.port == port) return kNoSocket;
  const SocketHandle socket = next_;
  next_ += 4;
  listeners_[socket] = {port, window, message, {}};
  open_.insert(socket);
  listen_address_ = address;
  return socket;
}

SocketHandle SimStreamSockets::Accept(SocketHandle listener_socket) {
  const auto found = listeners_.find(listener_socket);
  if (found == listeners_.end() || found->second.waiting.empty()) return kNoSocket;
  Listener& listener = found->second;
  Connection& c = connections_[listener.waiting.front()];
  listener.waiting.pop_front();
  if (!listener.waiting.empty())
    posted_.push_back({listener.window, listener.message, listener_socket, kSocketAccept});
  c.server = next_;
  next_ += 4;
  c.window = listener.window;
  c.message = listener.message;
  open_.insert(c.server);
  Post(c, kSocketWrite);
  if (!c.to_server.empty()) Post(c, kSocketRead);
  if (c.client_closed) Post(c, kSocketClose);
  return c.server;
}

SocketTransfer SimStreamSockets::Receive(SocketHandle socket, char* buffer, std::size_t size) {
  Connection* c = Server(socket);
  if (c == nullptr) return {SocketTransfer::Closed};
  if (c->to_server.empty())
    return {c->client_closed ? SocketTransfer::Closed : SocketTransfer::WouldBlock};
  const std::size_t n = std::min(size, c->to_server.size());
  std::copy_n(c->to_server.begin(), n, buffer);
  c->to_server.erase(0, n);
  if (!c->to_server.empty()) Post(*c, kSocketRead);
  return {SocketTransfer::Done, n};
}

SocketTransfer SimStreamSockets::Send(SocketHandle socket, const char* data, std::size_t size) {
  Connection* c = Server(socket);
  if (c == nullptr || c->client_closed) return {SocketTransfer::Closed};
  const std::size_t room = c->room - std::min(c->room, c->to_client.size());
  if (room == 0) {
    c->write_blocked = true;
    return {SocketTransfer::WouldBlock};
  }
  const std::size_t n = std::min(size, room);
  c->to_client.append(data, n);
  return {SocketTransfer::Done, n};
}

void SimStreamSockets::Close(SocketHandle socket) {
  open_.erase(socket);
  listeners_.erase(socket);
  if (Connection* c = Server(socket)) c->server_closed = true;
}

int SimStreamSockets::Connect(std::uint16_t port) {
  for (auto& [socket, listener] : listeners_) {
    if (listener.port != port) continue;
    connections_.emplace_back();
    const int client = static_cast<int>(connections_.size()) - 1;
    listener.waiting.push_back(client);
    posted_.push_back({listener.window, listener.message, socket, kSocketAccept});
    Pump();
    return client;
  }
  return -1;
}

void SimStreamSockets::Write(int client, std::string_view bytes) {
  Connection& c = connections_.at(client);
  c.to_server.append(bytes);
  if (c.server != kNoSocket) Post(c, kSocketRead);
  Pump();
}

std::string SimStreamSockets::Read(int client) {
  Connection& c = connections_.at(client);
  std::string bytes = std::move(c.to_client);
  c.to_client.clear();
  if (c.write_blocked) {
    c.write_blocked = false;
    Post(c, kSocketWrite);
  }
  Pump();
  return bytes;
}

void SimStreamSockets::Disconnect(int client) {
  Connection& c = connections_.at(client);
  c.client_closed = true;
  if (c.server != kNoSocket) Post(c, kSocketClose);
  Pump();
}

void SimStreamSockets::Pump() {
  while (!posted_.empty()) {
    const Posted p = posted_.front();
    posted_.pop_front();
    windows_.Deliver(p.window, p.message, p.socket, static_cast<std::intptr_t>(p.event));
  }
}

void SimStreamSockets::Post(const Connection& c, std::uint32_t event) {
  if (!c.server_closed) posted_.push_back({c.window, c.message, c.server, event});
}

SimStreamSockets::Connection* SimStreamSockets::Server(SocketHandle socket) {
  for (Connection& c : connections_)
    if (c.server == socket && !c.server_closed) return &c;
  return nullptr;
}

}  // namespace vorn
