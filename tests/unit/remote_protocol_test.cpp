#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "receiver/tuning_values.h"
#include "remote/dump_state.h"
#include "remote/rig_answers.h"
#include "remote/rig_session.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Records what the protocol asked for and answers like a receiver that
// always takes the presses, unless told it is gone.
class FakeRig : public RigControl {
 public:
  bool KeyInFrequency(const std::string& text) override {
    calls.push_back("key " + text);
    if (reachable) tuned.FrequencyHz = *HzFromKeypadText(text);
    return reachable;
  }
  bool SelectMode(const std::string& demodulator, const std::string& bandwidth) override {
    calls.push_back("mode " + demodulator + "/" + bandwidth);
    if (reachable) {
      tuned.Demodulator = demodulator;
      if (!bandwidth.empty()) tuned.BandwidthHz = BandwidthHz(bandwidth);
    }
    return reachable;
  }
  TunedState Tuned() const override { return tuned; }

  std::vector<std::string> calls;
  TunedState tuned;
  bool reachable = true;
};

class RemoteProtocolTest : public ::testing::Test {
 protected:
  std::string Ask(std::string_view line) {
    std::string answers;
    quit = AnswerRigLine(line, rig, answers);
    return answers;
  }
  FakeRig rig;
  bool quit = false;
};

TEST_F(RemoteProtocolTest, PlainCommandsAsTheNetworkClientSendsThem) {
  EXPECT_EQ(Ask("f"), "0\n");
  EXPECT_EQ(Ask("m"), "None\n0\n");
  EXPECT_EQ(Ask("F 7100000.000000"), "RPRT 0\n");
  EXPECT_EQ(Ask("\\get_lock_mode"), "0\n");
  EXPECT_EQ(Ask("M USB 2400"), "RPRT 0\n");
  EXPECT_THAT(rig.calls, ElementsAre("key 7100", "mode USB/3 kHz"));
  EXPECT_EQ(Ask("f"), "7100000\n");
  EXPECT_EQ(Ask("\\get_freq"), "7100000\n");
  EXPECT_EQ(Ask("m"), "USB\n3000\n");
  EXPECT_EQ(Ask("v"), "VFOA\n");
  for (const char* vfo : {"VFOA", "VFO", "Main", "currVFO"})
    EXPECT_EQ(Ask(std::string("V ") + vfo), "RPRT 0\n") << vfo;
  EXPECT_EQ(Ask("V VFOB"), "RPRT -1\n");
  EXPECT_EQ(Ask("t"), "0\n");
  EXPECT_EQ(Ask("T 0"), "RPRT 0\n");
  EXPECT_EQ(Ask("T 1"), "RPRT -11\n");
  EXPECT_EQ(Ask("\\get_powerstat"), "1\n");
  EXPECT_EQ(Ask("\\chk_vfo"), "0\n");
  EXPECT_EQ(Ask("\\dump_state"), DumpState());
  EXPECT_FALSE(quit);
  EXPECT_EQ(Ask("q"), "");
  EXPECT_TRUE(quit);
}

TEST_F(RemoteProtocolTest, FrequenciesAreKeyedWithTheFewestDigitsWithinTheKeypadsRange) {
  EXPECT_EQ(Ask("F 7100500"), "RPRT 0\n");
  EXPECT_EQ(Ask("\\set_freq 7100001"), "RPRT 0\n");
  EXPECT_EQ(Ask("F 7100000.6"), "RPRT 0\n");
  EXPECT_EQ(Ask("F 40000000"), "RPRT 0\n");
  EXPECT_EQ(Ask("F 0"), "RPRT 0\n");
  EXPECT_THAT(rig.calls,
              ElementsAre("key 7100.5", "key 7100.001", "key 7100.001", "key 40000", "key 0"));
  rig.calls.clear();
  for (const char* bad : {"F 40000001", "F -7100000", "F 7e6", "F 7100k", "F", "F ."})
    EXPECT_EQ(Ask(bad), "RPRT -1\n") << bad;
  EXPECT_THAT(rig.calls, IsEmpty());
}

TEST_F(RemoteProtocolTest, ModeNamesAndPassbandsPickTheReceiversButtons) {
  const std::pair<const char*, const char*> modes[] = {
      {"AM", "AM"},     {"AMS", "SAM"},    {"CW", "CW"},      {"CWR", "CW"},
      {"USB", "USB"},   {"LSB", "LSB"},    {"FM", "FM"},      {"WFM", "FM"},
      {"RTTY", "RTTY"}, {"RTTYR", "RTTY"}, {"PKTUSB", "USB"}, {"PKTLSB", "LSB"}};
  for (const auto& [mode, button] : modes) {
    rig.calls.clear();
    EXPECT_EQ(Ask(std::string("M ") + mode + " 0"), "RPRT 0\n") << mode;
    EXPECT_THAT(rig.calls, ElementsAre(std::string("mode ") + button + "/")) << mode;
  }
  rig.calls.clear();
  Ask("M AM 100000");
  Ask("M AM 800");
  Ask("M AM -1");
  Ask("M AM 6000.4");
  EXPECT_THAT(rig.calls,
              ElementsAre("mode AM/50 kHz", "mode AM/0.8 kHz", "mode AM/", "mode AM/6 kHz"));
  rig.calls.clear();
  for (const char* bad : {"M DSB 2400", "M usb 2400", "M USB -2", "M USB wide", "M USB"})
    EXPECT_EQ(Ask(bad), "RPRT -1\n") << bad;
  EXPECT_THAT(rig.calls, IsEmpty());

  // The mode reported is the first name of its button.
  rig.tuned = {0, "SAM", 12000};
  EXPECT_EQ(Ask("m"), "AMS\n12000\n");
  rig.tuned.Demodulator = "DRM";
  EXPECT_EQ(Ask("m"), "None\n12000\n");
}

TEST_F(RemoteProtocolTest, ExtendedFormAnswersKeyValueLinesEndingWithTheResult) {
  rig.tuned = {7100000, "USB", 3000};
  EXPECT_EQ(Ask("+f"), "get_freq:\nFrequency: 7100000\nRPRT 0\n");
  EXPECT_EQ(Ask("+\\get_mode"), "get_mode:\nMode: USB\nPassband: 3000\nRPRT 0\n");
  EXPECT_EQ(Ask(";f"), "get_freq:;Frequency: 7100000;RPRT 0\n");
  EXPECT_EQ(Ask("|v"), "get_vfo:|VFO: VFOA|RPRT 0\n");
  EXPECT_EQ(Ask(",t"), "get_ptt:,PTT: 0,RPRT 0\n");
  EXPECT_EQ(Ask("+F 7100500"), "set_freq: 7100500\nRPRT 0\n");
  EXPECT_EQ(Ask(";\\set_mode LSB 2400"), "set_mode: LSB 2400;RPRT 0\n");
  EXPECT_EQ(Ask("+T 1"), "set_ptt: 1\nRPRT -11\n");
  EXPECT_EQ(Ask("+\\get_powerstat"), "get_powerstat:\nPower Status: 1\nRPRT 0\n");
  EXPECT_EQ(Ask("+fv"), "get_freq:\nFrequency: 7100500\nRPRT 0\nget_vfo:\nVFO: VFOA\nRPRT 0\n");
  EXPECT_EQ(Ask("+x"), "RPRT -4\n");
}

TEST_F(RemoteProtocolTest, SeveralCommandsOnOneLineAreAnsweredInOrderUpToAnUnknownOne) {
  rig.tuned = {7100000, "USB", 3000};
  EXPECT_EQ(Ask("fmv"), "7100000\nUSB\n3000\nVFOA\n");
  EXPECT_EQ(Ask("F 6070000 f"), "RPRT 0\n6070000\n");
  EXPECT_EQ(Ask("f x v"), "6070000\nRPRT -4\n");
  EXPECT_EQ(Ask("garbage"), "RPRT -4\n");
  EXPECT_EQ(Ask("\\set_frequency 1"), "RPRT -4\n");
  EXPECT_EQ(Ask("\\"), "RPRT -4\n");
  EXPECT_EQ(Ask("   "), "");
  EXPECT_EQ(Ask("fq v"), "6070000\n");
  EXPECT_TRUE(quit);
}

TEST_F(RemoteProtocolTest, AReceiverOutOfReachIsANegativeResult) {
  rig.reachable = false;
  EXPECT_EQ(Ask("F 7100000"), "RPRT -6\n");
  EXPECT_EQ(Ask("M USB 2400"), "RPRT -6\n");
  EXPECT_EQ(Ask("+F 7100000"), "set_freq: 7100000\nRPRT -6\n");
  EXPECT_EQ(Ask("f"), "0\n");
}

TEST_F(RemoteProtocolTest, EveryResultIsZeroOrNegative) {
  const std::regex result("RPRT (-?\\d+)");
  for (const char* line : {"F", "F x", "M", "M X 1", "V", "V B", "T", "T x", "T 1", "Z", "\\x",
                           "+F", ";M USB", "|V x", "\x01\xff"}) {
    const std::string answer = Ask(line);
    std::smatch match;
    ASSERT_TRUE(std::regex_search(answer, match, result)) << line;
    EXPECT_LT(std::stoi(match[1]), 0) << line;
  }
}

TEST(DumpStateTest, DescribesAReceiverWithoutTransmitter) {
  const std::string& state = DumpState();
  EXPECT_EQ(state.substr(0, 2), "0\n");  // protocol version
  EXPECT_NE(state.find("\n10000.000000 40000000.000000 0xfff "), std::string::npos);
  EXPECT_NE(state.find("\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"), std::string::npos);
  for (const char* filter : {"\n0xfff 50000\n", "\n0xfff 3000\n", "\n0xfff 800\n"})
    EXPECT_NE(state.find(filter), std::string::npos) << filter;
  EXPECT_EQ(state.back(), '\n');
}

// A script of requests with both line ends, and the answers it must get
// however the bytes are cut.
constexpr std::string_view kScript = "F 7100000\r\nM USB 2400\n+f\r\nfmv\n\\chk_vfo\r\nT 1\nq\nf\n";
constexpr std::string_view kScriptAnswers =
    "RPRT 0\nRPRT 0\nget_freq:\nFrequency: 7100000\nRPRT 0\n7100000\nUSB\n3000\nVFOA\n0\n"
    "RPRT -11\n";

TEST(RigSessionTest, AnswersAreTheSameWhereverTheStreamIsCut) {
  for (std::size_t cut = 0; cut <= kScript.size(); ++cut) {
    for (std::size_t second = cut; second <= kScript.size(); ++second) {
      FakeRig rig;
      RigSession session(rig);
      std::string answers;
      session.Receive(kScript.substr(0, cut), answers);
      session.Receive(kScript.substr(cut, second - cut), answers);
      session.Receive(kScript.substr(second), answers);
      ASSERT_EQ(answers, kScriptAnswers) << cut << " " << second;
      ASSERT_TRUE(session.Ended());
    }
  }
  FakeRig rig;
  RigSession session(rig);
  std::string answers;
  for (char c : kScript) session.Receive(std::string_view(&c, 1), answers);
  EXPECT_EQ(answers, kScriptAnswers);
}

TEST(RigSessionTest, ALineBeyondOneKibibyteEndsTheSession) {
  FakeRig rig;
  RigSession session(rig);
  std::string answers;
  session.Receive("f" + std::string(kMaxRequestLine - 1, ' ') + "\r\n", answers);
  EXPECT_EQ(answers, "0\n");
  EXPECT_FALSE(session.Ended());

  session.Receive("f" + std::string(kMaxRequestLine, ' ') + "\n", answers);
  EXPECT_TRUE(session.Ended());
  session.Receive("f\n", answers);
  EXPECT_EQ(answers, "0\n");

  // Without a line end the session ends as soon as the limit is passed.
  RigSession endless(rig);
  for (int i = 0; i < 1025 && !endless.Ended(); ++i) endless.Receive("ff", answers);
  EXPECT_TRUE(endless.Ended());
  EXPECT_EQ(answers, "0\n");
}

}  // namespace
}  // namespace vorn
