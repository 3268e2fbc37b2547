#include "platform/win32/win32_stream_sockets.h"

// Winsock's headers come before <windows.h>.
#include <winsock2.h>
#include <ws2tcpip.h>

#include <windows.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/listen_address.h"

namespace vorn {

static_assert(kSocketRead == FD_READ && kSocketWrite == FD_WRITE && kSocketAccept == FD_ACCEPT &&
              kSocketClose == FD_CLOSE);
static_assert(kNoSocket == INVALID_SOCKET);

// Winsock, loaded when remote control first listens: a start without remote
// control does not load the library at all.
struct Winsock {
  decltype(&::WSAStartup) WSAStartup;
  decltype(&::WSACleanup) WSACleanup;
  decltype(&::WSAGetLastError) WSAGetLastError;
  decltype(&::WSAAsyncSelect) WSAAsyncSelect;
  decltype(&::getaddrinfo) getaddrinfo;
  decltype(&::freeaddrinfo) freeaddrinfo;
  decltype(&::socket) socket;
  decltype(&::bind) bind;
  decltype(&::listen) listen;
  decltype(&::accept) accept;
  decltype(&::setsockopt) setsockopt;
  decltype(&::recv) recv;
  decltype(&::send) send;
  decltype(&::closesocket) closesocket;
};

namespace {

template <class Function>
bool Find(HMODULE library, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
  return function != nullptr;
}

// Null when the library or one of its functions is missing.
const Winsock* LoadWinsock() {
  static const Winsock loaded = [] {
    Winsock w{};
    HMODULE library = LoadLibraryA("ws2_32.dll");
    const bool all = library && Find(library, "WSAStartup", w.WSAStartup) &&
                     Find(library, "WSACleanup", w.WSACleanup) &&
                     Find(library, "WSAGetLastError", w.WSAGetLastError) &&
                     Find(library, "WSAAsyncSelect", w.WSAAsyncSelect) &&
                     Find(library, "getaddrinfo", w.getaddrinfo) &&
                     Find(library, "freeaddrinfo", w.freeaddrinfo) &&
                     Find(library, "socket", w.socket) && Find(library, "bind", w.bind) &&
                     Find(library, "listen", w.listen) && Find(library, "accept", w.accept) &&
                     Find(library, "setsockopt", w.setsockopt) && Find(library, "recv", w.recv) &&
                     Find(library, "send", w.send) && Find(library, "closesocket", w.closesocket);
    if (!all) w.WSAStartup = nullptr;
    return w;
  }();
  return loaded.WSAStartup ? &loaded : nullptr;
}

int Chunk(std::size_t size) {
  return static_cast<int>(std::min<std::size_t>(size, INT_MAX));
}

SocketTransfer Transferred(const Winsock& ws, int result) {
  if (result > 0) return {SocketTransfer::Done, static_cast<std::size_t>(result)};
  if (result == SOCKET_ERROR && ws.WSAGetLastError() == WSAEWOULDBLOCK)
    return {SocketTransfer::WouldBlock};
  return {SocketTransfer::Closed};
}

}  // namespace

Win32StreamSockets::~Win32StreamSockets() {
  if (!started_) return;
  for (const auto& [socket, target] : listeners_) started_->closesocket(socket);
  started_->WSACleanup();
}

SocketHandle Win32StreamSockets::Listen(const std::string& address, std::uint16_t port,
                                        WindowHandle window, std::uint32_t message) {
  if (!started_) {
    const Winsock* ws = LoadWinsock();
    WSADATA data;
    if (!ws || ws->WSAStartup(MAKEWORD(2, 2), &data) != 0) return kNoSocket;
    started_ = ws;
  }
  const Winsock& ws = *started_;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_protocol = IPPROTO_TCP;
  hints.ai_flags = AI_PASSIVE;
  addrinfo* found = nullptr;
  if (ws.getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0)
    return kNoSocket;
  std::vector<AddressFamily> families;
  for (const addrinfo* a = found; a; a = a->ai_next)
    families.push_back(a->ai_family == AF_INET    ? AddressFamily::IPv4
                       : a->ai_family == AF_INET6 ? AddressFamily::IPv6
                                                  : AddressFamily::Other);
  const addrinfo* chosen = found;
  for (std::size_t i = ListenAddressChoice(families); i > 0; --i) chosen = chosen->ai_next;
  SOCKET s = ws.socket(chosen->ai_family, chosen->ai_socktype, chosen->ai_protocol);
  // Without address reuse, another program on the port makes bind fail; an
  // exclusive bind is left out as it could fail on connections that linger
  // after Vorn closed them, when Vorn is started again soon.
  const bool ok = s != INVALID_SOCKET &&
                  ws.bind(s, chosen->ai_addr, static_cast<int>(chosen->ai_addrlen)) == 0 &&
                  ws.listen(s, SOMAXCONN) == 0 &&
                  ws.WSAAsyncSelect(s, reinterpret_cast<HWND>(window), message, FD_ACCEPT) == 0;
  ws.freeaddrinfo(found);
  if (!ok) {
    if (s != INVALID_SOCKET) ws.closesocket(s);
    return kNoSocket;
  }
  listeners_[s] = {window, message};
  return s;
}

SocketHandle Win32StreamSockets::Accept(SocketHandle listener) {
  const auto target = listeners_.find(listener);
  if (target == listeners_.end()) return kNoSocket;
  const Winsock& ws = *started_;
  const SOCKET s = ws.accept(listener, nullptr, nullptr);
  if (s == INVALID_SOCKET) return kNoSocket;
  // Answers are small and awaited: send them at once.
  BOOL no_delay = TRUE;
  ws.setsockopt(s, IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&no_delay),
                sizeof no_delay);
  if (ws.WSAAsyncSelect(s, reinterpret_cast<HWND>(target->second.Window), target->second.Message,
                        FD_READ | FD_WRITE | FD_CLOSE) != 0) {
    ws.closesocket(s);
    return kNoSocket;
  }
  return s;
}

// Sockets exist only once Winsock has started.
SocketTransfer Win32StreamSockets::Receive(SocketHandle socket, char* buffer, std::size_t size) {
  if (!started_) return {SocketTransfer::Closed};
  return Transferred(*started_, started_->recv(socket, buffer, Chunk(size), 0));
}

SocketTransfer Win32StreamSockets::Send(SocketHandle socket, const char* data, std::size_t size) {
  if (!started_) return {SocketTransfer::Closed};
  return Transferred(*started_, started_->send(socket, data, Chunk(size), 0));
}

void Win32StreamSockets::Close(SocketHandle socket) {
  listeners_.erase(socket);
  if (started_) started_->closesocket(socket);
}

}  // namespace vorn
