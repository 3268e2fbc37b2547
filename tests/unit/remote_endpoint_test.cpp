#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_hidden_window.h"
#include "platform/sim/sim_stream_sockets.h"
#include "receiver/control_actions.h"
#include "remote/receiver_rig.h"
#include "remote/rigctl/dump_state.h"
#include "remote/rigctl/rig_session.h"
#include "remote/socket_endpoint.h"
#include "sim_receiver.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint16_t kPort = 4532;

// The network endpoint with the rigctld protocol over the real receiver link, a simulated receiver
// and simulated sockets whose clients are the test.
class RemoteEndpointTest : public ::testing::Test, protected SimReceiver {
 protected:
  void Start() { ASSERT_TRUE(endpoint.Listen("127.0.0.1", kPort)); }

  // One request, its answers as the client reads them.
  std::string Ask(int client, const std::string& line) {
    sockets.Write(client, line);
    return sockets.Read(client);
  }

  SimHiddenWindows windows;
  SimStreamSockets sockets{windows};
  SessionFactory sessions = [this] { return std::make_unique<RigSession>(rig); };
  SocketEndpoint endpoint{{windows, sockets}, sessions};
};

TEST_F(RemoteEndpointTest, TuningFromAClientPressesTheReceiversButtonsAndSharesTheRecord) {
  Start();
  EXPECT_EQ(sockets.ListenAddress(), "127.0.0.1");
  const int client = sockets.Connect(kPort);
  EXPECT_EQ(Ask(client, "F 7100500\nM USB 2400\n"), "RPRT 0\nRPRT 0\n");
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1", "0", "0", ".", "5", "kHz", "USB", "3 kHz"));

  // A frequency typed into Vorn is what the client reads back.
  ASSERT_TRUE(KeyInFrequency(link, "6070"));
  EXPECT_EQ(Ask(client, "fm\n"), "6070000\nUSB\n3000\n");
}

// The open and one change of frequency and mode as a client of the library's
// later versions sends them, request by request, with what it reads back.
TEST_F(RemoteEndpointTest, ALaterLibraryClientOpensAndChangesFrequencyAndMode) {
  Start();
  const int client = sockets.Connect(kPort);
  const std::pair<std::string, std::string> exchange[] = {
      {"\\get_powerstat\n", "1\n"},
      {"\\chk_vfo\n", "0\n"},
      {"\\dump_state\n", DumpState()},
      {"v\n", "VFOA\n"},
      {"f\n", "0\n"},
      {"\\get_powerstat\n", "1\n"},
      {"F 7100000\n", "RPRT 0\n"},
      {"\\get_lock_mode\n", "0\nRPRT 0\n"},
      {"M PKTUSB 2400\n", "RPRT 0\n"},
      {"f\n", "7100000\n"},
      {"m\n", "PKTUSB\n3000\n"},
      {"\\get_vfo_info VFOA\n", "7100000\nPKTUSB\n3000\n0\n0\n"},
  };
  for (const auto& [request, answer] : exchange) EXPECT_EQ(Ask(client, request), answer) << request;
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1", "0", "0", "kHz", "USB", "3 kHz"));
}

TEST_F(RemoteEndpointTest, TheModeNameSetStaysUntilAnotherDemodulatorIsPressed) {
  Start();
  const int client = sockets.Connect(kPort);
  EXPECT_EQ(Ask(client, "M PKTUSB -1\nm\n"), "RPRT 0\nPKTUSB\n0\n");
  ASSERT_TRUE(KeyInFrequency(link, "14070"));
  ASSERT_TRUE(TuneToStation(link, {"14074", "3 kHz", "USB", "FT8"}));
  EXPECT_EQ(Ask(client, "fm\n"), "14074000\nPKTUSB\n3000\n");
  ASSERT_TRUE(TuneToStation(link, {"6070", "3 kHz", "AM", "Radio One"}));
  EXPECT_EQ(Ask(client, "m\n"), "AM\n3000\n");
  EXPECT_EQ(Ask(client, "M PKTLSB 0\nM LSB 0\nm\n"), "RPRT 0\nRPRT 0\nLSB\n3000\n");
}

TEST_F(RemoteEndpointTest, EachClientHasItsOwnVfoB) {
  Start();
  const int bridge = sockets.Connect(kPort);
  const int logger = sockets.Connect(kPort);
  EXPECT_EQ(Ask(bridge, "F 7100000\nV VFOB\nF 3500000\nf\n"), "RPRT 0\nRPRT 0\nRPRT 0\n3500000\n");
  EXPECT_EQ(Ask(logger, "v\nf\n\\get_vfo_info VFOB\n"), "VFOA\n7100000\n7100000\nNone\n0\n0\n0\n");
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1", "0", "0", "kHz"));
}

TEST_F(RemoteEndpointTest, APortThatCannotBeHadLeavesNothingBehind) {
  sockets.TakePort(kPort);
  EXPECT_FALSE(endpoint.Listen("127.0.0.1", kPort));
  EXPECT_THAT(windows.LiveWindows(), IsEmpty());
  EXPECT_EQ(sockets.Connect(kPort), -1);

  SocketEndpoint bad_address({windows, sockets}, sessions);
  EXPECT_FALSE(bad_address.Listen("127.0.0.300", kPort + 1));
  EXPECT_THAT(windows.LiveWindows(), IsEmpty());
}

TEST_F(RemoteEndpointTest, TheNinthClientIsClosedAtOnceAndTheOthersAreServed) {
  Start();
  std::vector<int> clients;
  for (int i = 0; i < 9; ++i) clients.push_back(sockets.Connect(kPort));
  EXPECT_EQ(endpoint.ClientCount(), kMaxRemoteClients);
  EXPECT_TRUE(sockets.ClosedByServer(clients[8]));
  for (int i = 0; i < 8; ++i) EXPECT_EQ(Ask(clients[i], "v\n"), "VFOA\n") << i;

  // A place freed is a place for the next.
  sockets.Disconnect(clients[0]);
  const int next = sockets.Connect(kPort);
  EXPECT_EQ(Ask(next, "t\n"), "0\n");
}

TEST_F(RemoteEndpointTest, ABadClientIsClosedAndTheOthersCarryOn) {
  Start();
  const int good = sockets.Connect(kPort);
  const int overlong = sockets.Connect(kPort);
  const int vanishing = sockets.Connect(kPort);
  const int quitting = sockets.Connect(kPort);
  sockets.Write(good, "F 71");

  sockets.Write(overlong, std::string(2000, 'f'));
  EXPECT_TRUE(sockets.ClosedByServer(overlong));
  EXPECT_EQ(sockets.Read(overlong), "");

  sockets.Write(vanishing, "F 6070");
  sockets.Disconnect(vanishing);
  EXPECT_TRUE(sockets.ClosedByServer(vanishing));

  EXPECT_EQ(Ask(quitting, "f\nq\nf\n"), "0\nRPRT 0\n");
  EXPECT_TRUE(sockets.ClosedByServer(quitting));

  EXPECT_THAT(tree.Clicks(), IsEmpty());
  EXPECT_EQ(endpoint.ClientCount(), 1u);
  EXPECT_EQ(Ask(good, "00000\n"), "RPRT 0\n");
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1", "0", "0", "kHz"));
}

TEST_F(RemoteEndpointTest, ALateCloseMessageForAReusedHandleLeavesTheLiveClientAlone) {
  Start();
  const int client = sockets.Connect(kPort);
  for (std::uint32_t event : {kSocketClose, kSocketRead | (10054u << 16)})
    windows.Deliver(endpoint.Handle(), kRemoteSocketMessage, sockets.ServerSocket(client), event);
  EXPECT_EQ(endpoint.ClientCount(), 1u);
  EXPECT_EQ(Ask(client, "v\n"), "VFOA\n");
}

TEST_F(RemoteEndpointTest, AnswersThatDoNotFitAreSentAsTheClientReadsEvenAfterItsLastRequest) {
  Start();
  const int client = sockets.Connect(kPort);
  sockets.SetRoom(client, 5);
  sockets.Write(client, "\\dump_state\nv\n");
  std::string received;
  for (int reads = 0; reads < 100 && received.size() < DumpState().size() + 5; ++reads)
    received += sockets.Read(client);
  EXPECT_EQ(received, DumpState() + "VFOA\n");

  // A request that ends the session: what is queued goes out before the close.
  sockets.Write(client, "\\dump_state\nq\n");
  EXPECT_FALSE(sockets.ClosedByServer(client));
  received.clear();
  for (int reads = 0; reads < 100 && !sockets.ClosedByServer(client); ++reads)
    received += sockets.Read(client);
  EXPECT_EQ(received + sockets.Read(client), DumpState() + "RPRT 0\n");
  EXPECT_TRUE(sockets.ClosedByServer(client));
  EXPECT_EQ(endpoint.ClientCount(), 0u);
}

TEST_F(RemoteEndpointTest, AModeOrWidthTheReceiverLacksIsNotAvailableAndNotRecorded) {
  Start();
  const int client = sockets.Connect(kPort);
  EXPECT_EQ(Ask(client, "M USB 2400\n"), "RPRT 0\n");
  // Neither an RTTY button nor a 12 kHz one: nothing is pressed for either.
  EXPECT_EQ(Ask(client, "M RTTY 0\n"), "RPRT -11\n");
  EXPECT_EQ(Ask(client, "M AM 12000\n"), "RPRT -11\n");
  EXPECT_EQ(Ask(client, "+M PKTLSB 9000\n"), "set_mode: PKTLSB 9000\nRPRT -11\n");
  EXPECT_THAT(tree.Clicks(), ElementsAre("USB", "3 kHz"));
  EXPECT_EQ(Ask(client, "m\n"), "USB\n3000\n");
  // VFO B holds what the receiver could not show, as it tunes nothing.
  EXPECT_EQ(Ask(client, "V VFOB\nM RTTY 0\nm\n"), "RPRT 0\nRPRT 0\nRTTY\n3000\n");
}

TEST_F(RemoteEndpointTest, AClientThatLeavesItsAnswersUnreadIsClosed) {
  Start();
  const int reader = sockets.Connect(kPort);
  const int sleeper = sockets.Connect(kPort);
  sockets.SetRoom(sleeper, 0);
  std::string requests;
  for (std::size_t waiting = 0; waiting <= kMaxUnreadAnswers; waiting += DumpState().size())
    requests += "\\dump_state\n";
  for (std::size_t at = 0; at < requests.size() && !sockets.ClosedByServer(sleeper); at += 1000)
    sockets.Write(sleeper, requests.substr(at, 1000));
  EXPECT_TRUE(sockets.ClosedByServer(sleeper));
  EXPECT_EQ(Ask(reader, "v\n"), "VFOA\n");
}

TEST_F(RemoteEndpointTest, AHungReceiverGetsANegativeResultAndTheClientStays) {
  Start();
  const int client = sockets.Connect(kPort);
  tree.Hang(*link.Lookup(Table::Keypad, "kHz"));
  EXPECT_EQ(Ask(client, "F 7100000\n"), "RPRT -6\n");
  EXPECT_EQ(Ask(client, "f\n"), "0\n");
}

TEST_F(RemoteEndpointTest, EndingTheEndpointClosesEverySocket) {
  {
    SocketEndpoint scoped({windows, sockets}, sessions);
    ASSERT_TRUE(scoped.Listen("127.0.0.1", kPort));
    sockets.Connect(kPort);
    sockets.Connect(kPort);
    EXPECT_EQ(sockets.OpenSockets(), 3u);
  }
  EXPECT_EQ(sockets.OpenSockets(), 0u);
  EXPECT_THAT(windows.LiveWindows(), IsEmpty());
}

}  // namespace
}  // namespace vorn
