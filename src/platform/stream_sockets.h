#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/window_tree.h"

namespace vorn {

// An opaque socket as the system hands it out.
using SocketHandle = std::uintptr_t;
inline constexpr SocketHandle kNoSocket = ~SocketHandle{0};

// A socket's events arrive as one message to the window it was bound to: the
// first parameter is the socket, the low word of the second the event, its
// high word an error code (0 for none).
inline constexpr std::uint32_t kSocketRead = 0x01;
inline constexpr std::uint32_t kSocketWrite = 0x02;
inline constexpr std::uint32_t kSocketAccept = 0x08;
inline constexpr std::uint32_t kSocketClose = 0x20;

struct SocketTransfer {
  enum Outcome {
    Done,        // `Bytes` moved, at least one
    WouldBlock,  // nothing now; an event follows when there is
    Closed,      // the peer closed, or the connection failed
  };
  Outcome Status;
  std::size_t Bytes = 0;
};

// Non-blocking stream sockets whose events are messages to a window, so that
// they are handled on the thread that owns the window, between other messages.
class StreamSockets {
 public:
  virtual ~StreamSockets() = default;

  // Listens on a numeric address (or a name for one) and port; connections
  // waiting to be accepted are announced to `window` as `message`.
  // kNoSocket when the address is bad or the port cannot be had.
  virtual SocketHandle Listen(const std::string& address, std::uint16_t port, WindowHandle window,
                              std::uint32_t message) = 0;
  // Takes one waiting connection, whose events go where the listener's go;
  // kNoSocket when none is waiting.
  virtual SocketHandle Accept(SocketHandle listener) = 0;
  virtual SocketTransfer Receive(SocketHandle socket, char* buffer, std::size_t size) = 0;
  virtual SocketTransfer Send(SocketHandle socket, const char* data, std::size_t size) = 0;
  // Messages for the socket that are already on their way may still arrive.
  virtual void Close(SocketHandle socket) = 0;
};

}  // namespace vorn
