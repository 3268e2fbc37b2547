#pragma once

#include <map>
#include <string>

#include "platform/serial_ports.h"

namespace vorn {

// COM ports opened without overlapping and read with timeouts that return at
// once, served from a 10 ms timer on the window each was opened for. Modem
// lines are set where the driver supports it; a pty under Wine does not.
class Win32SerialPorts : public SerialPorts {
 public:
  Win32SerialPorts() = default;
  ~Win32SerialPorts() override;

  Win32SerialPorts(const Win32SerialPorts&) = delete;
  Win32SerialPorts& operator=(const Win32SerialPorts&) = delete;

  std::vector<std::string> Names() override;
  PortHandle Open(const std::string& name, WindowHandle window, std::uint32_t message) override;
  SocketTransfer Receive(PortHandle port, char* buffer, std::size_t size) override;
  SocketTransfer Send(PortHandle port, const char* data, std::size_t size) override;
  void Close(PortHandle port) override;

 private:
  struct Port {
    void* File;
    WindowHandle Window;
    std::string Name;
  };
  std::map<PortHandle, Port> ports_;
};

}  // namespace vorn
