#include "platform/sim/sim_serial_ports.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace vorn {

std::vector<std::string> SimSerialPorts::Names() {
  std::vector<std::string> names;
  for (const auto& [name, port] : ports_)
    if (!port.Failed) names.push_back(name);
  return names;
}

PortHandle SimSerialPorts::Open(const std::string& name, WindowHandle window,
                                std::uint32_t message) {
  const auto found = ports_.find(name);
  if (found == ports_.end()) return kNoPort;
  Port& port = found->second;
  if (port.Failed || port.Held || port.Open != kNoPort) return kNoPort;
  port.Open = next_++;
  port.Window = window;
  port.Message = message;
  port.ToVorn.clear();
  return port.Open;
}

SocketTransfer SimSerialPorts::Receive(PortHandle handle, char* buffer, std::size_t size) {
  Port* port = Find(handle);
  if (port == nullptr || port->Failed) return {SocketTransfer::Closed};
  if (port->ToVorn.empty() || size == 0) return {SocketTransfer::WouldBlock};
  const std::size_t n = std::min(size, port->ToVorn.size());
  std::copy_n(port->ToVorn.data(), n, buffer);
  port->ToVorn.erase(0, n);
  return {SocketTransfer::Done, n};
}

SocketTransfer SimSerialPorts::Send(PortHandle handle, const char* data, std::size_t size) {
  Port* port = Find(handle);
  if (port == nullptr || port->Failed) return {SocketTransfer::Closed};
  if (size == 0) return {SocketTransfer::WouldBlock};
  port->FromVorn.append(data, size);
  return {SocketTransfer::Done, size};
}

void SimSerialPorts::Close(PortHandle handle) {
  Port* port = Find(handle);
  if (port == nullptr) return;
  port->Open = kNoPort;
  if (port->Failed)
    ports_.erase(std::find_if(ports_.begin(), ports_.end(),
                              [port](const auto& p) { return &p.second == port; }));
}

void SimSerialPorts::RemovePort(const std::string& name) {
  const auto found = ports_.find(name);
  if (found == ports_.end()) return;
  if (found->second.Open == kNoPort) {
    ports_.erase(found);
  } else {
    found->second.Failed = true;
  }
}

void SimSerialPorts::Hold(const std::string& name, bool held) {
  ports_[name].Held = held;
}

void SimSerialPorts::Write(const std::string& name, std::string_view bytes) {
  Port& port = ports_.at(name);
  if (port.Open != kNoPort) port.ToVorn.append(bytes);
}

std::string SimSerialPorts::Read(const std::string& name) {
  return std::exchange(ports_.at(name).FromVorn, std::string());
}

bool SimSerialPorts::IsOpen(const std::string& name) const {
  const auto found = ports_.find(name);
  return found != ports_.end() && found->second.Open != kNoPort;
}

void SimSerialPorts::Tick() {
  std::vector<std::pair<WindowHandle, std::pair<std::uint32_t, PortHandle>>> due;
  for (const auto& [name, port] : ports_)
    if (port.Open != kNoPort) due.push_back({port.Window, {port.Message, port.Open}});
  // A procedure may close ports: each is looked up again before its message.
  for (const auto& [window, what] : due)
    if (Find(what.second)) windows_.Deliver(window, what.first, what.second, 0);
}

SimSerialPorts::Port* SimSerialPorts::Find(PortHandle handle) {
  if (handle == kNoPort) return nullptr;
  for (auto& [name, port] : ports_)
    if (port.Open == handle) return &port;
  return nullptr;
}

}  // namespace vorn
