#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_hidden_window.h"
#include "platform/sim/sim_serial_ports.h"
#include "platform/sim/sim_window_tree.h"
#include "remote/kenwood/kenwood_session.h"
#include "remote/receiver_rig.h"
#include "remote/serial_endpoint.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;

constexpr char kPort[] = "COM5";

// The Kenwood protocol on a simulated serial port over the real receiver
// link and a simulated receiver; the test is the program at the other end.
class SerialEndpointTest : public ::testing::Test {
 protected:
  SerialEndpointTest() {
    const WindowHandle main = tree.AddTopLevel("Perseus");
    for (const char* c : {"Dither", "AM", "CW", "USB", "LSB", "3 kHz"}) tree.AddChild(main, c);
    const WindowHandle keypad = tree.AddTopLevel("Frequency");
    for (const char* c : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "kHz"})
      tree.AddChild(keypad, c);
    EXPECT_EQ(link.FindMainControl("Perseus", "Dither"), "ok");
    EXPECT_EQ(link.FindKeypadControl("Frequency", "kHz", "V2.1f"), "ok");
    ports.AddPort(kPort);
  }

  // Bytes from the program, one tick, and what it got back.
  std::string Exchange(const std::string& bytes) {
    ports.Write(kPort, bytes);
    ports.Tick();
    return ports.Read(kPort);
  }

  SimWindowTree tree;
  ReceiverLink link{tree};
  ReceiverRig rig{link};
  SimHiddenWindows windows;
  SimSerialPorts ports{windows};
  int failures = 0;
  SerialEndpoint endpoint{{windows, ports},
                          [this] { return std::make_unique<KenwoodSession>(rig); },
                          [this] { ++failures; }};
};

TEST_F(SerialEndpointTest, TheProgramTunesAndReadsAtEachTick) {
  ASSERT_TRUE(endpoint.Open(kPort));
  EXPECT_TRUE(ports.IsOpen(kPort));
  EXPECT_EQ(Exchange("FA00007100000;"), "");
  EXPECT_EQ(Exchange("MD1;ID;FA;"), "ID019;FA00007100000;");
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1", "0", "0", "kHz", "LSB"));
  // Split across ticks.
  EXPECT_EQ(Exchange("I"), "");
  EXPECT_EQ(Exchange("F;").size(), 38u);
}

TEST_F(SerialEndpointTest, AutoInformationFollowsOtherSourcesAtTheNextTick) {
  ASSERT_TRUE(endpoint.Open(kPort));
  EXPECT_EQ(Exchange("AI2;FA00007100000;"), "");
  ports.Tick();
  EXPECT_EQ(ports.Read(kPort), "");

  ReceiverRig other(link);
  other.KeyInHz(6070000);
  ports.Tick();
  EXPECT_EQ(ports.Read(kPort),
            "IF000060700000000+00000000000"
            "5"
            "0000000;");
  ports.Tick();
  EXPECT_EQ(ports.Read(kPort), "");
}

TEST_F(SerialEndpointTest, APortThatCannotBeHadOrFailsLaterLeavesNothingBehind) {
  ports.Hold(kPort, true);
  EXPECT_FALSE(endpoint.Open(kPort));
  EXPECT_FALSE(endpoint.Open("COM9"));
  EXPECT_TRUE(windows.LiveWindows().empty());

  ports.Hold(kPort, false);
  ASSERT_TRUE(endpoint.Open(kPort));
  ports.RemovePort(kPort);
  ports.Tick();
  ports.Tick();
  EXPECT_EQ(failures, 1);
  EXPECT_FALSE(endpoint.IsOpen());
  EXPECT_FALSE(ports.IsOpen(kPort));
  EXPECT_TRUE(windows.LiveWindows().empty());
}

}  // namespace
}  // namespace vorn
