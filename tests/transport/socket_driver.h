#pragma once

// The other end of the socket transport's behaviour tests: the clients that
// connect to a listener and another program that holds a port. The same tests
// run over the in-memory sockets (natively) and over Winsock (under Wine),
// each through a driver of its own.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/hidden_window.h"
#include "platform/stream_sockets.h"

namespace vorn {

class SocketDriver {
 public:
  virtual ~SocketDriver() = default;

  // Fresh for each test.
  virtual StreamSockets& Sockets() = 0;
  // The windows the sockets' events are posted to.
  virtual HiddenWindowService& Windows() = 0;

  // A port that nothing listens on.
  virtual std::uint16_t UnusedPort() = 0;
  // Another program listens on 127.0.0.1 at the port, until it lets it go.
  virtual void HoldPort(std::uint16_t port) = 0;
  virtual void ReleasePort(std::uint16_t port) = 0;

  // A client of 127.0.0.1 connects to the port; its number, or -1 when the
  // connection is refused.
  virtual int Connect(std::uint16_t port) = 0;
  virtual void Write(int client, std::string_view bytes) = 0;
  // What has reached the client so far, taken without waiting.
  virtual std::string Read(int client) = 0;
  // The client closes its end.
  virtual void Disconnect(int client) = 0;

  // Delivers the events posted to the windows until `done` holds; false when
  // it still does not after a generous deadline.
  virtual bool PumpUntil(const std::function<bool()>& done) = 0;
};

// Made by the implementation the test program is linked with.
std::unique_ptr<SocketDriver> MakeSocketDriver();

}  // namespace vorn
