#pragma once

#include <string>

namespace vorn {

// The remote-control endpoint as the main window switches it on and off; the
// program behind it owns the endpoint.
class RemoteSwitch {
 public:
  virtual ~RemoteSwitch() = default;
  // False when the address or the port cannot be had; nothing listens then.
  virtual bool Listen() = 0;
  // Stops listening and closes every client.
  virtual void Stop() = 0;
  // Where it listens, or would: "127.0.0.1:4532".
  virtual std::string Address() const = 0;
};

}  // namespace vorn
