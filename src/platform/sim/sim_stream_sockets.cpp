#include "platform/sim/sim_stream_sockets.h"

#include <algorithm>

#include "platform/listen_address.h"

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

struct Resolved {
  AddressFamily Family;
  std::string Numeric;
};

// The addresses a name gives, in the resolver's order: a numeric address
// itself, and "localhost" as ::1 before 127.0.0.1, as many resolvers give it.
std::vector<Resolved> Resolve(const std::string& address) {
  if (IsDottedQuad(address)) return {{AddressFamily::IPv4, address}};
  if (address == "::1") return {{AddressFamily::IPv6, address}};
  if (address == "localhost")
    return {{AddressFamily::IPv6, "::1"}, {AddressFamily::IPv4, "127.0.0.1"}};
  return {};
}

// Whether a client of 127.0.0.1 reaches a listener on the address.
bool ReachedFromLoopback(const std::string& address) {
  return address == "127.0.0.1" || address == "0.0.0.0";
}

}  // namespace

SocketHandle SimStreamSockets::Listen(const std::string& address, std::uint16_t port,
                                      WindowHandle window, std::uint32_t message) {
  const std::vector<Resolved> resolved = Resolve(address);
  if (resolved.empty() || taken_.count(port) != 0) return kNoSocket;
  for (const auto& [socket, listener] : listeners_)
    if (listener.Port == port) return kNoSocket;
  std::vector<AddressFamily> families;
  for (const Resolved& r : resolved) families.push_back(r.Family);
  const std::string& bound = resolved[ListenAddressChoice(families)].Numeric;
  const SocketHandle socket = next_;
  next_ += 4;
  listeners_[socket] = {bound, port, window, message, {}};
  open_.insert(socket);
  listen_address_ = bound;
  return socket;
}

SocketHandle SimStreamSockets::Accept(SocketHandle listener_socket) {
  const auto found = listeners_.find(listener_socket);
  if (found == listeners_.end() || found->second.Waiting.empty()) return kNoSocket;
  Listener& listener = found->second;
  Connection& c = connections_[listener.Waiting.front()];
  listener.Waiting.pop_front();
  if (!listener.Waiting.empty())
    posted_.push_back({listener.Window, listener.Message, listener_socket, kSocketAccept});
  c.Server = next_;
  next_ += 4;
  c.Window = listener.Window;
  c.Message = listener.Message;
  open_.insert(c.Server);
  Post(c, kSocketWrite);
  if (!c.ToServer.empty()) Post(c, kSocketRead);
  AnnounceCloseOnceRead(c);
  return c.Server;
}

SocketTransfer SimStreamSockets::Receive(SocketHandle socket, char* buffer, std::size_t size) {
  Connection* c = Server(socket);
  if (c == nullptr) return {SocketTransfer::Closed};
  if (c->ToServer.empty())
    return {c->ClientClosed ? SocketTransfer::Closed : SocketTransfer::WouldBlock};
  const std::size_t n = std::min(size, c->ToServer.size());
  std::copy_n(c->ToServer.begin(), n, buffer);
  c->ToServer.erase(0, n);
  if (!c->ToServer.empty()) Post(*c, kSocketRead);
  AnnounceCloseOnceRead(*c);
  return {SocketTransfer::Done, n};
}

SocketTransfer SimStreamSockets::Send(SocketHandle socket, const char* data, std::size_t size) {
  Connection* c = Server(socket);
  if (c == nullptr) return {SocketTransfer::Closed};
  // As over a network, the first send after the client closed is taken, and
  // lost; the client's answer to it makes the later ones fail.
  if (c->ClientClosed) {
    if (c->SentAfterClose) return {SocketTransfer::Closed};
    c->SentAfterClose = true;
    return {SocketTransfer::Done, size};
  }
  const std::size_t room = c->Room - std::min(c->Room, c->ToClient.size());
  if (room == 0) {
    c->WriteBlocked = true;
    return {SocketTransfer::WouldBlock};
  }
  const std::size_t n = std::min(size, room);
  c->ToClient.append(data, n);
  return {SocketTransfer::Done, n};
}

void SimStreamSockets::Close(SocketHandle socket) {
  open_.erase(socket);
  listeners_.erase(socket);
  if (Connection* c = Server(socket)) c->ServerClosed = true;
}

int SimStreamSockets::Connect(std::uint16_t port) {
  for (auto& [socket, listener] : listeners_) {
    if (listener.Port != port || !ReachedFromLoopback(listener.Address)) continue;
    connections_.emplace_back();
    const int client = static_cast<int>(connections_.size()) - 1;
    listener.Waiting.push_back(client);
    posted_.push_back({listener.Window, listener.Message, socket, kSocketAccept});
    Pump();
    return client;
  }
  return -1;
}

void SimStreamSockets::Write(int client, std::string_view bytes) {
  Connection& c = connections_.at(client);
  c.ToServer.append(bytes);
  if (c.Server != kNoSocket) Post(c, kSocketRead);
  Pump();
}

std::string SimStreamSockets::Read(int client) {
  Connection& c = connections_.at(client);
  std::string bytes = std::move(c.ToClient);
  c.ToClient.clear();
  if (c.WriteBlocked) {
    c.WriteBlocked = false;
    Post(c, kSocketWrite);
  }
  Pump();
  return bytes;
}

void SimStreamSockets::Disconnect(int client) {
  Connection& c = connections_.at(client);
  c.ClientClosed = true;
  AnnounceCloseOnceRead(c);
  Pump();
}

void SimStreamSockets::Pump() {
  while (!posted_.empty()) {
    const Posted p = posted_.front();
    posted_.pop_front();
    windows_.Deliver(p.Window, p.Message, p.Socket, static_cast<std::intptr_t>(p.Event));
  }
}

void SimStreamSockets::Post(const Connection& c, std::uint32_t event) {
  if (!c.ServerClosed) posted_.push_back({c.Window, c.Message, c.Server, event});
}

// As Winsock does, the close is announced once everything the client sent
// before it has been read.
void SimStreamSockets::AnnounceCloseOnceRead(Connection& c) {
  if (c.Server == kNoSocket || !c.ClientClosed || !c.ToServer.empty() || c.CloseAnnounced) return;
  c.CloseAnnounced = true;
  Post(c, kSocketClose);
}

SimStreamSockets::Connection* SimStreamSockets::Server(SocketHandle socket) {
  for (Connection& c : connections_)
    if (c.Server == socket && !c.ServerClosed) return &c;
  return nullptr;
}

}  // namespace vorn
