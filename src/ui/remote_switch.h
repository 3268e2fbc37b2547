#pragma once

#include <functional>
#include <string>
#include <vector>

namespace vorn {

// One remote-control endpoint as the main window's "Remote" menu switches it
// on and off; the program behind it owns the endpoint.
class RemoteSwitch {
 public:
  virtual ~RemoteSwitch() = default;
  // False when it cannot start (the address or the port cannot be had);
  // nothing runs then.
  virtual bool Start() = 0;
  // Stops it and closes every client.
  virtual void Stop() = 0;
  // Its menu item: "Network (hamlib) 127.0.0.1:4532".
  virtual std::string Caption() const = 0;
  // How the tray tip names it while it runs: ":4532".
  virtual std::string TipName() const = 0;
  // What the operator is told when it cannot start.
  virtual std::string StartFailure() const = 0;
  // Its section of the settings file, where the close keeps Enabled.
  virtual std::string Section() const = 0;

  // An endpoint on a port the operator chooses (a serial one) has a second
  // item, with this caption, that chooses it; empty for the others.
  virtual std::string PortItemCaption() const { return {}; }
  // The ports there are to choose from, and the one chosen ("" for none).
  virtual std::vector<std::string> PortChoices() { return {}; }
  virtual std::string Port() const { return {}; }
  // Takes effect at the next start.
  virtual void SetPort(const std::string& /*port*/) {}
  // Told once when it stops by itself while running (its port failed), with
  // what the operator is told then.
  virtual void OnFailed(std::function<void(const std::string& message)> /*failed*/) {}
};

}  // namespace vorn
