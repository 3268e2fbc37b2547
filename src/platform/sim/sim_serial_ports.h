#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

#include "platform/serial_ports.h"
#include "platform/sim/sim_hidden_window.h"

namespace vorn {

// Serial ports held in memory, with the test at the other end of each. The
// timer ticks when the test says so.
class SimSerialPorts : public SerialPorts {
 public:
  explicit SimSerialPorts(SimHiddenWindows& windows) : windows_(windows) {}

  std::vector<std::string> Names() override;
  PortHandle Open(const std::string& name, WindowHandle window, std::uint32_t message) override;
  SocketTransfer Receive(PortHandle port, char* buffer, std::size_t size) override;
  SocketTransfer Send(PortHandle port, const char* data, std::size_t size) override;
  void Close(PortHandle port) override;

  // The system gets a port, or loses it (an adapter pulled, a pair removed):
  // an open port of that name fails.
  void AddPort(const std::string& name) { ports_[name]; }
  void RemovePort(const std::string& name);
  // Another program holds the port, or lets it go.
  void Hold(const std::string& name, bool held);
  // The other end writes, and reads what Vorn sent it.
  void Write(const std::string& name, std::string_view bytes);
  std::string Read(const std::string& name);
  // Open on this side.
  bool IsOpen(const std::string& name) const;
  // One tick of every open port's timer.
  void Tick();

 private:
  struct Port {
    PortHandle Open = kNoPort;
    WindowHandle Window = 0;
    std::uint32_t Message = 0;
    bool Held = false;
    bool Failed = false;
    std::string ToVorn;
    std::string FromVorn;
  };
  Port* Find(PortHandle port);

  SimHiddenWindows& windows_;
  std::map<std::string, Port> ports_;
  PortHandle next_ = 0x10;
};

}  // namespace vorn
