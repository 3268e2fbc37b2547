#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "platform/hidden_window.h"
#include "platform/serial_ports.h"
#include "remote/connection.h"
#include "remote/remote_session.h"

namespace vorn {

// The message that carries a serial port's timer to the endpoint's window.
inline constexpr std::uint32_t kRemoteSerialMessage = 0x8000 + 0x53;

// The services the endpoint works through; they outlive it.
struct SerialServices {
  HiddenWindowService& Windows;
  SerialPorts& Ports;
};

// A remote-control endpoint on a serial port: one session of its protocol for
// whatever program holds the other end, served at each tick of the port's
// timer on a hidden window of its own.
class SerialEndpoint {
 public:
  // `failed` is told once when the open port fails later; the endpoint has
  // closed it by then, and may be destroyed from inside the call.
  SerialEndpoint(SerialServices services, SessionFactory sessions, std::function<void()> failed);
  ~SerialEndpoint();

  SerialEndpoint(const SerialEndpoint&) = delete;
  SerialEndpoint& operator=(const SerialEndpoint&) = delete;

  // False when there is no such port or another program holds it; the
  // endpoint then stays closed.
  bool Open(const std::string& port);
  bool IsOpen() const { return port_ != kNoPort; }

 private:
  std::intptr_t WindowProc(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
  void Serve();

  struct Channel;

  SerialServices services_;
  SessionFactory sessions_;
  std::function<void()> failed_;
  std::unique_ptr<HiddenWindow> window_;
  PortHandle port_ = kNoPort;
  std::unique_ptr<Channel> channel_;
  std::unique_ptr<Connection> link_;
};

}  // namespace vorn
