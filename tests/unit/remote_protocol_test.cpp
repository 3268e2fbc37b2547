#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "fake_rig.h"
#include "platform/tuning_values.h"
#include "remote/rigctl/dump_state.h"
#include "remote/rigctl/rig_answers.h"
#include "remote/rigctl/rig_modes.h"
#include "remote/rigctl/rig_session.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RemoteProtocolTest : public ::testing::Test {
 protected:
  std::string Ask(std::string_view line) {
    std::string answers;
    quit = AnswerRigLine(line, client, answers);
    return answers;
  }
  void Tuned(std::int64_t hz, const char* demodulator, std::int64_t bandwidth) {
    rig.tuned = {hz, demodulator, bandwidth, ModeVariant::Plain};
  }
  FakeRig rig;
  RigClient client{rig};
  bool quit = false;
};

// Each command with arguments it takes, its plain answer and its extended one.
struct AnswerRule {
  RigCommand Command;
  const char* Arguments;
  std::string Plain;
  std::string Extended;
};

TEST_F(RemoteProtocolTest, ValuesAloneOrAResultLineAsTheNetworkClientReadsThem) {
  const std::string dump = DumpState();
  const std::vector<AnswerRule> rules = {
      {RigCommand::SetFreq, " 7100000", "RPRT 0\n", "set_freq: 7100000\nRPRT 0\n"},
      {RigCommand::GetFreq, "", "7100000\n", "get_freq:\nFrequency: 7100000\nRPRT 0\n"},
      {RigCommand::SetMode, " USB 2400", "RPRT 0\n", "set_mode: USB 2400\nRPRT 0\n"},
      {RigCommand::GetMode, "", "USB\n3000\n", "get_mode:\nMode: USB\nPassband: 3000\nRPRT 0\n"},
      {RigCommand::SetVfo, " VFOA", "RPRT 0\n", "set_vfo: VFOA\nRPRT 0\n"},
      {RigCommand::GetVfo, "", "VFOA\n", "get_vfo:\nVFO: VFOA\nRPRT 0\n"},
      {RigCommand::SetPtt, " 0", "RPRT 0\n", "set_ptt: 0\nRPRT 0\n"},
      {RigCommand::GetPtt, "", "0\n", "get_ptt:\nPTT: 0\nRPRT 0\n"},
      {RigCommand::SetSplitVfo, " 0 VFOA", "RPRT 0\n", "set_split_vfo: 0 VFOA\nRPRT 0\n"},
      {RigCommand::GetSplitVfo, "", "0\nVFOA\n",
       "get_split_vfo:\nSplit: 0\nTX VFO: VFOA\nRPRT 0\n"},
      {RigCommand::GetVfoInfo, " VFOA", "7100000\nUSB\n3000\n0\n0\n",
       "get_vfo_info: VFOA\nFreq: 7100000\nMode: USB\nWidth: 3000\nSplit: 0\nSatMode: "
       "0\nRPRT 0\n"},
      {RigCommand::GetPowerStat, "", "1\n", "get_powerstat:\nPower Status: 1\nRPRT 0\n"},
      {RigCommand::ChkVfo, "", "0\n", "ChkVFO: 0\n"},
      {RigCommand::DumpState, "", dump, "dump_state:\n" + dump + "RPRT 0\n"},
      {RigCommand::GetLockMode, "", "0\nRPRT 0\n", "get_lock_mode:\nLocked: 0\nRPRT 0\n"},
      {RigCommand::Quit, "", "RPRT 0\n", "quit:\nRPRT 0\n"},
  };
  // Every command the endpoint knows, by its letter and by its long name.
  for (const RigCommandEntry& entry : RigCommands()) {
    const auto rule = std::find_if(rules.begin(), rules.end(),
                                   [&](const AnswerRule& r) { return r.Command == entry.Command; });
    ASSERT_NE(rule, rules.end()) << entry.Name;
    std::vector<std::string> requests = {"\\" + std::string(entry.Name)};
    if (entry.Letter != 0) requests.push_back(std::string(1, entry.Letter));
    for (const std::string& request : requests) {
      Tuned(7100000, "USB", 3000);
      EXPECT_EQ(Ask(request + rule->Arguments), rule->Plain) << request;
      EXPECT_EQ(quit, entry.Command == RigCommand::Quit) << request;
      Tuned(7100000, "USB", 3000);
      EXPECT_EQ(Ask("+" + request + rule->Arguments), rule->Extended) << request;
    }
  }
  // Failures are a result line in both forms, after the echo in the extended one.
  EXPECT_EQ(Ask("T 1"), "RPRT -11\n");
  EXPECT_EQ(Ask("+T 1"), "set_ptt: 1\nRPRT -11\n");
  EXPECT_EQ(Ask("\\get_vfo_info"), "RPRT -1\n");
  EXPECT_EQ(Ask("+\\get_vfo_info"), "get_vfo_info:\nRPRT -1\n");
  // The other separators put the extended answer on one line.
  EXPECT_EQ(Ask(";f"), "get_freq:;Frequency: 7100000;RPRT 0\n");
  EXPECT_EQ(Ask("|v"), "get_vfo:|VFO: VFOA|RPRT 0\n");
  EXPECT_EQ(Ask(",t"), "get_ptt:,PTT: 0,RPRT 0\n");
  EXPECT_EQ(Ask(";\\set_mode LSB 2400"), "set_mode: LSB 2400;RPRT 0\n");
  EXPECT_EQ(Ask(",\\chk_vfo"), "ChkVFO: 0,");
}

// A client of the library's later versions reads the value line of the lock
// query and then one more line; without it, it waits for its timeout before
// every change of mode.
TEST_F(RemoteProtocolTest, TheLockQueryBeforeAModeChangeEndsWithExactlyOneResultLine) {
  Tuned(7100000, "USB", 3000);
  EXPECT_EQ(Ask("\\get_lock_mode"), "0\nRPRT 0\n");
  EXPECT_EQ(Ask("M LSB 2400"), "RPRT 0\n");
  EXPECT_THAT(rig.calls, ElementsAre("mode LSB/3 kHz"));
}

TEST_F(RemoteProtocolTest, TheExtendedPrefixBelongsToEachCommand) {
  Tuned(7100000, "USB", 3000);
  EXPECT_EQ(Ask("+f +m +v"),
            "get_freq:\nFrequency: 7100000\nRPRT 0\n"
            "get_mode:\nMode: USB\nPassband: 3000\nRPRT 0\n"
            "get_vfo:\nVFO: VFOA\nRPRT 0\n");
  EXPECT_EQ(Ask("+fmv"), "get_freq:\nFrequency: 7100000\nRPRT 0\nUSB\n3000\nVFOA\n");
  EXPECT_EQ(Ask("f +v"), "7100000\nget_vfo:\nVFO: VFOA\nRPRT 0\n");
  EXPECT_EQ(Ask(";f |v"), "get_freq:;Frequency: 7100000;RPRT 0\nget_vfo:|VFO: VFOA|RPRT 0\n");
  EXPECT_EQ(Ask("+x"), "RPRT -4\n");
  EXPECT_EQ(Ask("f +"), "7100000\nRPRT -4\n");
}

TEST_F(RemoteProtocolTest, ArgumentsACommandDoesNotTakeGetNoAnswerOfTheirOwn) {
  Tuned(7100000, "USB", 3000);
  EXPECT_EQ(Ask("f VFOA"), "7100000\n");
  EXPECT_EQ(Ask("m currVFO v"), "USB\n3000\nVFOA\n");
  EXPECT_EQ(Ask("T 0 VFOA t Main"), "RPRT 0\n0\n");
  EXPECT_EQ(Ask("F 6070000 6070000 -1 .5 f"), "RPRT 0\n6070000\n");
  EXPECT_THAT(rig.calls, ElementsAre("key 6070"));
  // At the start of a line there is no command to take them.
  EXPECT_EQ(Ask("7100000"), "RPRT -4\n");
}

TEST_F(RemoteProtocolTest, SplitIsOffAndCannotBeTurnedOn) {
  EXPECT_EQ(Ask("S 0 VFOB"), "RPRT 0\n");
  EXPECT_EQ(Ask("S 1 VFOB"), "RPRT -11\n");
  EXPECT_EQ(Ask("+S 1 VFOA"), "set_split_vfo: 1 VFOA\nRPRT -11\n");
  for (const char* bad : {"S x VFOA", "S 0 VFOC", "S 0"}) EXPECT_EQ(Ask(bad), "RPRT -1\n") << bad;
  EXPECT_EQ(Ask("s"), "0\nVFOA\n");
}

TEST_F(RemoteProtocolTest, VfoInfoBeforeAnyTuningAndForVfoNamesNobodyHas) {
  EXPECT_EQ(Ask("\\get_vfo_info VFOA"), "0\nNone\n0\n0\n0\n");
  EXPECT_EQ(Ask("\\get_vfo_info Main"), "0\nNone\n0\n0\n0\n");
  for (const char* vfo : {"VFOC", "vfoa", "MEM"})
    EXPECT_EQ(Ask(std::string("\\get_vfo_info ") + vfo), "RPRT -1\n") << vfo;
}

TEST_F(RemoteProtocolTest, AModeNameComesBackAsItWasSet) {
  EXPECT_EQ(Ask("M PKTUSB -1"), "RPRT 0\n");
  EXPECT_EQ(Ask("m"), "PKTUSB\n0\n");
  EXPECT_EQ(Ask("M PKTUSB 2400"), "RPRT 0\n");
  EXPECT_EQ(Ask("m"), "PKTUSB\n3000\n");
  EXPECT_EQ(Ask("\\get_vfo_info VFOA"), "0\nPKTUSB\n3000\n0\n0\n");
  EXPECT_EQ(Ask("M USB 0"), "RPRT 0\n");
  EXPECT_EQ(Ask("m"), "USB\n3000\n");
  EXPECT_EQ(Ask("M PKTFM 0"), "RPRT 0\n");
  EXPECT_EQ(Ask("M PKTAM 0"), "RPRT 0\n");
  EXPECT_THAT(rig.calls,
              ElementsAre("mode USB/", "mode USB/3 kHz", "mode USB/", "mode FM/", "mode AM/"));
}

// Bridges for programs that speak another radio's commands select and read
// the second VFO at every poll.
TEST_F(RemoteProtocolTest, VfoBHoldsWhatIsSetThereAndTunesNothing) {
  Tuned(7100000, "USB", 3000);
  EXPECT_EQ(Ask("V VFOB"), "RPRT 0\n");
  EXPECT_EQ(Ask("v"), "VFOB\n");
  EXPECT_EQ(Ask("fm"), "7100000\nUSB\n3000\n");  // VFO A's until set
  EXPECT_EQ(Ask("F 14100000"), "RPRT 0\n");
  Tuned(6070000, "AM", 12000);
  EXPECT_EQ(Ask("fm"), "14100000\nAM\n12000\n");
  EXPECT_EQ(Ask("M CW 500 M LSB -1"), "RPRT 0\nRPRT 0\n");
  EXPECT_EQ(Ask("m"), "LSB\n800\n");
  EXPECT_THAT(rig.calls, IsEmpty());
  EXPECT_EQ(Ask("F 50000000"), "RPRT -1\n");

  EXPECT_EQ(Ask("V Main"), "RPRT 0\n");
  EXPECT_EQ(Ask("v fm"), "Main\n6070000\nAM\n12000\n");
  EXPECT_EQ(Ask("\\get_vfo_info VFOB"), "14100000\nLSB\n800\n0\n0\n");
  EXPECT_EQ(Ask("\\get_vfo_info currVFO"), "6070000\nAM\n12000\n0\n0\n");
  EXPECT_EQ(Ask("V Sub V currVFO v \\get_vfo_info VFO"),
            "RPRT 0\nRPRT 0\nSub\n14100000\nLSB\n800\n0\n0\n");
  EXPECT_EQ(Ask("V VFOA F 7100000"), "RPRT 0\nRPRT 0\n");
  EXPECT_THAT(rig.calls, ElementsAre("key 7100"));
  EXPECT_EQ(Ask("V VFOC"), "RPRT -1\n");
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
      {"AM", "AM"},      {"AMS", "SAM"},    {"CW", "CW"},    {"CWR", "CW"},    {"USB", "USB"},
      {"LSB", "LSB"},    {"FM", "FM"},      {"WFM", "FM"},   {"RTTY", "RTTY"}, {"RTTYR", "RTTY"},
      {"PKTUSB", "USB"}, {"PKTLSB", "LSB"}, {"PKTFM", "FM"}, {"PKTAM", "AM"}};
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
  Tuned(0, "SAM", 12000);
  EXPECT_EQ(Ask("m"), "AMS\n12000\n");
  rig.tuned.Demodulator = "DRM";
  EXPECT_EQ(Ask("m"), "None\n12000\n");
}

TEST_F(RemoteProtocolTest, SeveralCommandsOnOneLineAreAnsweredInOrderUpToAnUnknownOne) {
  Tuned(7100000, "USB", 3000);
  EXPECT_EQ(Ask("fmv"), "7100000\nUSB\n3000\nVFOA\n");
  EXPECT_EQ(Ask("F 6070000 f"), "RPRT 0\n6070000\n");
  EXPECT_EQ(Ask("f x v"), "6070000\nRPRT -4\n");
  EXPECT_EQ(Ask("garbage"), "RPRT -4\n");
  EXPECT_EQ(Ask("\\set_frequency 1"), "RPRT -4\n");
  EXPECT_EQ(Ask("\\"), "RPRT -4\n");
  EXPECT_EQ(Ask("   "), "");
  EXPECT_EQ(Ask("fq v"), "6070000\nRPRT 0\n");
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

// The tuned record and VFO B keep a mode in no protocol's words; every name
// the protocol takes comes back as it was set.
TEST(RigModesTest, EveryModeNameRoundTripsThroughTheNeutralMode) {
  for (const char* name : {"AM", "AMS", "CW", "CWR", "USB", "LSB", "FM", "WFM", "RTTY", "RTTYR",
                           "PKTUSB", "PKTLSB", "PKTFM", "PKTAM"}) {
    const auto mode = RadioModeOfName(name);
    ASSERT_TRUE(mode) << name;
    EXPECT_EQ(RigModeName(*mode), name);
  }
  EXPECT_EQ(RigModeName({"SAM", ModeVariant::Data}), "AMS");
  EXPECT_EQ(RigModeName({"USER", ModeVariant::Plain}), "None");
  EXPECT_EQ(RadioModeOfName("AMS")->Demodulator, "SAM");
  EXPECT_FALSE(RadioModeOfName("Usb"));
}

TEST(DumpStateTest, DescribesAReceiverWithoutTransmitter) {
  const std::string& state = DumpState();
  EXPECT_EQ(state.substr(0, 2), "0\n");  // protocol version
  // Receive range: every mode name the receiver takes, VFO A and VFO B.
  EXPECT_NE(state.find("\n10000.000000 40000000.000000 0x401fff -1 -1 0x3 0x0\n"),
            std::string::npos);
  EXPECT_NE(state.find("\n0 0 0 0 0 0 0\n0 0 0 0 0 0 0\n"), std::string::npos);
  for (const char* filter : {"\n0x401fff 50000\n", "\n0x401fff 3000\n", "\n0x401fff 800\n"})
    EXPECT_NE(state.find(filter), std::string::npos) << filter;
  EXPECT_EQ(state.back(), '\n');
}

// A script of requests with both line ends, and the answers it must get
// however the bytes are cut.
constexpr std::string_view kScript = "F 7100000\r\nM USB 2400\n+f\r\nfmv\n\\chk_vfo\r\nT 1\nq\nf\n";
constexpr std::string_view kScriptAnswers =
    "RPRT 0\nRPRT 0\nget_freq:\nFrequency: 7100000\nRPRT 0\n7100000\nUSB\n3000\nVFOA\n0\n"
    "RPRT -11\nRPRT 0\n";

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
