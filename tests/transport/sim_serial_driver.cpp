// The contract's driver for the in-memory serial ports.
#include "platform/sim/sim_serial_ports.h"
#include "serial_driver.h"

namespace vorn {

namespace {

constexpr char kPort[] = "COM5";
// Ticks a condition gets before it counts as never coming.
constexpr int kTicks = 50;

class SimSerialDriver : public SerialDriver {
 public:
  SimSerialDriver() { ports_.AddPort(kPort); }
  SerialPorts& Ports() override { return ports_; }
  HiddenWindowService& Windows() override { return windows_; }
  std::string PortName() override { return kPort; }
  void PeerWrite(const std::string& bytes) override { ports_.Write(kPort, bytes); }
  std::string PeerRead() override { return ports_.Read(kPort); }
  void PeerGone() override { ports_.RemovePort(kPort); }
  bool ServeUntil(const std::function<bool()>& done) override {
    for (int i = 0; i < kTicks; ++i) {
      if (done()) return true;
      ports_.Tick();
    }
    return done();
  }

 private:
  SimHiddenWindows windows_;
  SimSerialPorts ports_{windows_};
};

}  // namespace

std::unique_ptr<SerialDriver> MakeSerialDriver() {
  return std::make_unique<SimSerialDriver>();
}

}  // namespace vorn
