// The driver over the in-memory sockets: their test hooks are the clients and
// the other programs.
#include "platform/sim/sim_stream_sockets.h"
#include "socket_driver.h"

namespace vorn {

namespace {

// What a connection buffers before sends block, as a system's would.
constexpr std::size_t kRoom = 64 * 1024;

class SimSocketDriver : public SocketDriver {
 public:
  StreamSockets& Sockets() override { return sockets_; }
  HiddenWindowService& Windows() override { return windows_; }

  std::uint16_t UnusedPort() override { return 4532; }
  void HoldPort(std::uint16_t port) override { sockets_.TakePort(port); }
  void ReleasePort(std::uint16_t port) override { sockets_.FreePort(port); }

  int Connect(std::uint16_t port) override {
    const int client = sockets_.Connect(port);
    if (client != -1) sockets_.SetRoom(client, kRoom);
    return client;
  }
  void Write(int client, std::string_view bytes) override { sockets_.Write(client, bytes); }
  std::string Read(int client) override { return sockets_.Read(client); }
  void Disconnect(int client) override { sockets_.Disconnect(client); }

  // Nothing happens between two looks but what the test does in them, so a
  // few rounds are as good as a deadline.
  bool PumpUntil(const std::function<bool()>& done) override {
    for (int round = 0; round < 100; ++round) {
      sockets_.Pump();
      if (done()) return true;
    }
    return false;
  }

 private:
  SimHiddenWindows windows_;
  SimStreamSockets sockets_{windows_};
};

}  // namespace

std::unique_ptr<SocketDriver> MakeSocketDriver() {
  return std::make_unique<SimSocketDriver>();
}

}  // namespace vorn
