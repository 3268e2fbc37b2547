#include "remote/serial_endpoint.h"

namespace vorn {

namespace {

// Reads per tick at most: a port that never stops talking still lets the
// rest of the program run.
constexpr int kReadsPerTick = 16;

}  // namespace

struct SerialEndpoint::Channel : HandleChannel<SerialPorts, PortHandle> {
  using HandleChannel::HandleChannel;
};

SerialEndpoint::SerialEndpoint(SerialServices services, SessionFactory sessions,
                               std::function<void()> failed)
    : services_(services), sessions_(std::move(sessions)), failed_(std::move(failed)) {}

SerialEndpoint::~SerialEndpoint() {
  if (port_ != kNoPort) services_.Ports.Close(port_);
}

bool SerialEndpoint::Open(const std::string& port) {
  if (IsOpen()) return true;
  window_ = services_.Windows.CreateHiddenWindow(
      [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
        return WindowProc(message, wparam, lparam);
      });
  if (window_->Handle() != 0)
    port_ = services_.Ports.Open(port, window_->Handle(), kRemoteSerialMessage);
  if (port_ == kNoPort) {
    window_.reset();
    return false;
  }
  channel_ = std::make_unique<Channel>(services_.Ports, port_);
  link_ = std::make_unique<Connection>(sessions_());
  return true;
}

std::intptr_t SerialEndpoint::WindowProc(std::uint32_t message, std::uintptr_t wparam,
                                         std::intptr_t lparam) {
  if (message != kRemoteSerialMessage) return window_->DefaultProcedure(message, wparam, lparam);
  // A tick already on its way when the port was closed finds nothing.
  if (port_ == kNoPort || wparam != port_) return 0;
  Serve();
  if (!link_->Finished()) return 0;
  services_.Ports.Close(port_);
  port_ = kNoPort;
  link_.reset();
  channel_.reset();
  // The window may go from inside its own procedure.
  window_.reset();
  // A copy, called last: the owner may end the endpoint from inside it.
  const std::function<void()> failed = failed_;
  if (failed) failed();
  return 0;
}

void SerialEndpoint::Serve() {
  for (int i = 0; i < kReadsPerTick && link_->ReadOnce(*channel_); ++i) {
  }
  link_->Poll(*channel_);
}

}  // namespace vorn
