// What the program relies on from a serial-port service, on whichever
// platform the driver stands for.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "serial_driver.h"

namespace vorn {
namespace {

constexpr std::uint32_t kTick = 0x8000 + 0x60;

class SerialContract : public ::testing::Test {
 protected:
  SerialContract() {
    window = driver->Windows().CreateHiddenWindow(
        [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
          if (message != kTick) return window->DefaultProcedure(message, wparam, lparam);
          if (wparam == port) ++ticks;
          return std::intptr_t{0};
        });
  }
  ~SerialContract() override {
    if (port != kNoPort) driver->Ports().Close(port);
  }

  PortHandle Open() { return driver->Ports().Open(driver->PortName(), window->Handle(), kTick); }
  // What arrives on the port until it holds `wanted` bytes.
  std::string ReceiveUntil(std::size_t wanted) {
    std::string received;
    driver->ServeUntil([&] {
      char buffer[256];
      const SocketTransfer t = driver->Ports().Receive(port, buffer, sizeof buffer);
      if (t.Status == SocketTransfer::Done) received.append(buffer, t.Bytes);
      return received.size() >= wanted;
    });
    return received;
  }

  std::unique_ptr<SerialDriver> driver = MakeSerialDriver();
  std::unique_ptr<HiddenWindow> window;
  PortHandle port = kNoPort;
  int ticks = 0;
};

TEST_F(SerialContract, BytesGoBothWaysAndTheTimerTicksForThePort) {
  port = Open();
  ASSERT_NE(port, kNoPort);
  char buffer[16];
  EXPECT_EQ(driver->Ports().Receive(port, buffer, sizeof buffer).Status,
            SocketTransfer::WouldBlock);
  ASSERT_TRUE(driver->ServeUntil([&] { return ticks >= 3; })) << "the port's timer never ticked";

  driver->PeerWrite("FA00007074000;ID;");
  EXPECT_EQ(ReceiveUntil(17), "FA00007074000;ID;");
  const SocketTransfer sent = driver->Ports().Send(port, "ID019;", 6);
  EXPECT_EQ(sent.Status, SocketTransfer::Done);
  EXPECT_EQ(sent.Bytes, 6u);
  std::string echoed;
  EXPECT_TRUE(driver->ServeUntil([&] { return (echoed += driver->PeerRead()) == "ID019;"; }))
      << echoed;

  // Closed, it ticks no more.
  driver->Ports().Close(port);
  port = kNoPort;
  const int before = ticks;
  driver->ServeUntil([&] { return false; });
  EXPECT_EQ(ticks, before);
}

TEST_F(SerialContract, APortIsOpenedByOneAtATimeAndAnUnknownOneByNone) {
  port = Open();
  ASSERT_NE(port, kNoPort);
  EXPECT_EQ(Open(), kNoPort);
  EXPECT_EQ(driver->Ports().Open("COM231", window->Handle(), kTick), kNoPort);
  EXPECT_THAT(driver->Ports().Names(), ::testing::Contains(driver->PortName()));
  driver->Ports().Close(port);
  port = Open();
  EXPECT_NE(port, kNoPort);
}

TEST_F(SerialContract, APortWhoseOtherEndWentAwayFails) {
  port = Open();
  ASSERT_NE(port, kNoPort);
  driver->PeerGone();
  const bool failed = driver->ServeUntil([&] {
    char buffer[16];
    return driver->Ports().Receive(port, buffer, sizeof buffer).Status == SocketTransfer::Closed ||
           driver->Ports().Send(port, "?;", 2).Status == SocketTransfer::Closed;
  });
  EXPECT_TRUE(failed) << "the port did not fail when its other end went away";
}

}  // namespace
}  // namespace vorn
