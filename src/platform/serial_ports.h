#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/stream_sockets.h"
#include "platform/window_tree.h"

namespace vorn {

// An open serial port as the service hands it out.
using PortHandle = std::uintptr_t;
inline constexpr PortHandle kNoPort = 0;

// Serial ports served on the thread that owns a window: an open port sends
// its message to that window every few milliseconds (a timer, so that modal
// loops keep serving it too), and the window's procedure then moves what it
// can without waiting. The message's first parameter is the port.
class SerialPorts {
 public:
  virtual ~SerialPorts() = default;

  // The ports the system has ("COM1", "COM5"), in their numbers' order.
  virtual std::vector<std::string> Names() = 0;
  // Opens a port for this program alone: 8 data bits, no parity, one stop
  // bit, DTR and RTS on, no flow control. kNoPort when there is no such port
  // or another program holds it.
  virtual PortHandle Open(const std::string& name, WindowHandle window, std::uint32_t message) = 0;
  // What has arrived, without waiting: WouldBlock when nothing has, Closed
  // once the port has failed (the device or the other end went away).
  virtual SocketTransfer Receive(PortHandle port, char* buffer, std::size_t size) = 0;
  virtual SocketTransfer Send(PortHandle port, const char* data, std::size_t size) = 0;
  // Messages already on their way may still arrive.
  virtual void Close(PortHandle port) = 0;
};

}  // namespace vorn
