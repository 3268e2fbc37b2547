#include "platform/win32/win32_stream_sockets.h"

// Winsock's headers come before <windows.h>.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <algorithm>
#include <climits>

namespace vorn {

static_assert(kSocketRead == FD_READ && kSocketWrite == FD_WRITE && kSocketAccept == FD_ACCEPT &&
              kSocketClose == FD_CLOSE);
static_assert(kNoSocket == INVALID_SOCKET);

namespace {

int Chunk(std::size_t size) {
  return static_cast<int>(std::min<std::size_t>(size, INT_MAX));
}

SocketTransfer Transferred(int result) {
  if (result > 0) return {SocketTransfer::Done, static_cast<std::size_t>(result)};
  if (result == SOCKET_ERROR && WSAGetLastError() == WSAEWOULDBLOCK)
    return {SocketTransfer::WouldBlock};
  return {SocketTransfer::Closed};
}

}  // namespace

Win32StreamSockets::Win32StreamSockets() {
  WSADATA data;
  started_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

Win32StreamSockets::~Win32StreamSockets() {
  for (const auto& [socket, target] : listeners_) closesocket(socket);
  if (started_) WSACleanup();
}

SocketHandle Win32StreamSockets::Listen(const std::string& address, std::uint16_t port,
                                        WindowHandle window, std::uint32_t message) {
  if (!started_) return kNoSocket;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  hints.ai_flags = AI_PASSIVE;
  addrinfo* found = nullptr;
  if (getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
    return kNoSocket;
  SOCKET s = socket(found->ai_family, found->ai_socktype, found->ai_protocol);
  // Without address reuse, another program on the port makes bind fail; an
  // exclusive bind is left out as it could fail on connections that linger
  // after Vorn closed them, when Vorn is started again soon.
  const bool ok = s != INVALID_SOCKET &&
                  bind(s, found->ai_addr, static_cast<int>(found->ai_addrlen)) == 0 &&
                  listen(s, SOMAXCONN) == 0 &&
                  WSAAsyncSelect(s, reinterpret_cast<HWND>(window), message, FD_ACCEPT) == 0;
  freeaddrinfo(found);
  if (!ok) {
    if (s != INVALID_SOCKET) closesocket(s);
    return kNoSocket;
  }
  listeners_[s] = {window, message};
  return s;
}

SocketHandle Win32StreamSockets::Accept(SocketHandle listener) {
  const auto target = listeners_.find(listener);
  if (target == listeners_.end()) return kNoSocket;
  const SOCKET s = accept(listener, nullptr, nullptr);
  if (s == INVALID_SOCKET) return kNoSocket;
  // Answers are small and awaited: send them at once.
  BOOL no_delay = TRUE;
  setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&no_delay),
             sizeof no_delay);
  if (WSAAsyncSelect(s, reinterpret_cast<HWND>(target->second.window), target->second.message,
                     FD_READ | FD_WRITE | FD_CLOSE) != 0) {
    closesocket(s);
    return kNoSocket;
  }
  return s;
}

SocketTransfer Win32StreamSockets::Receive(SocketHandle socket, char* buffer, std::size_t size) {
  return Transferred(recv(socket, buffer, Chunk(size), 0));
}

SocketTransfer Win32StreamSockets::Send(SocketHandle socket, const char* data, std::size_t size) {
  return Transferred(send(socket, data, Chunk(size), 0));
}

void Win32StreamSockets::Close(SocketHandle socket) {
  listeners_.erase(socket);
  closesocket(socket);
}

}  // namespace vorn
