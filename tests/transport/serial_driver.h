#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/hidden_window.h"
#include "platform/serial_ports.h"

namespace vorn {

// A serial-port service under test, with a port whose other end the driver
// holds: the in-memory ports natively, COM ports on a pty pair under Wine.
class SerialDriver {
 public:
  virtual ~SerialDriver() = default;
  virtual SerialPorts& Ports() = 0;
  virtual HiddenWindowService& Windows() = 0;
  // The port to open; its other end is the driver's.
  virtual std::string PortName() = 0;
  // The other end writes, and reads what reached it so far.
  virtual void PeerWrite(const std::string& bytes) = 0;
  virtual std::string PeerRead() = 0;
  // The other end goes away for good.
  virtual void PeerGone() = 0;
  // Serves the thread's messages (the ports' ticks) until `done` holds; false
  // when it did not within a generous deadline.
  virtual bool ServeUntil(const std::function<bool()>& done) = 0;
};

std::unique_ptr<SerialDriver> MakeSerialDriver();

}  // namespace vorn
