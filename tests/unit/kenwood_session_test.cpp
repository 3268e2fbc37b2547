#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>

#include "fake_rig.h"
#include "remote/kenwood/kenwood_session.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class KenwoodSessionTest : public ::testing::Test {
 protected:
  KenwoodSessionTest() { rig.tuned = {14074000, "USB", 3000, ModeVariant::Plain}; }

  std::string Send(std::string_view bytes) {
    std::string answers;
    session.Receive(bytes, answers);
    return answers;
  }
  std::string Poll() {
    std::string answers;
    session.Poll(answers);
    return answers;
  }

  FakeRig rig;
  KenwoodSession session{rig};
};

TEST_F(KenwoodSessionTest, EveryReadHasItsAnswerOfItsExactLength) {
  struct Read {
    const char* Command;
    std::string Answer;
  };
  const std::vector<Read> reads = {
      {"ID;", "ID019;"},
      {"PS;", "PS1;"},
      {"AI;", "AI0;"},
      {"FA;", "FA00014074000;"},
      {"FB;", "FB00014074000;"},
      {"MD;", "MD2;"},
      {"FR;", "FR0;"},
      {"FT;", "FT0;"},
      {"SA;", "SA0;"},
      {"SM0;", "SM00000;"},
      {"PC;", "PC000;"},
      {"KS;", "KS000;"},
      {"IF;", "IF000140740000000+0000000000020000000;"},
      {"XX;", "?;"},
      {"SM;", "?;"},
      {"FW;", "?;"},
      {"Q;", "?;"},
  };
  for (const Read& read : reads) {
    EXPECT_EQ(Send(read.Command), read.Answer) << read.Command;
    // Either case, as the radio takes it.
    std::string lower = read.Command;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    EXPECT_EQ(Send(lower), read.Answer) << lower;
  }
  EXPECT_EQ(Send("IF;").size(), 38u);
  EXPECT_EQ(Send("FA;").size(), 14u);
  EXPECT_EQ(Send("MD;").size(), 4u);
  EXPECT_THAT(rig.calls, IsEmpty());
}

TEST_F(KenwoodSessionTest, ModesReadAsTheirDigitAndTheRestAsAm) {
  const std::vector<std::pair<const char*, char>> modes = {
      {"LSB", '1'},  {"USB", '2'}, {"CW", '3'},  {"FM", '4'},   {"AM", '5'},
      {"RTTY", '6'}, {"SAM", '5'}, {"DRM", '5'}, {"USER", '5'}, {"", '5'}};
  for (const auto& [demodulator, digit] : modes) {
    rig.tuned.Demodulator = demodulator;
    EXPECT_EQ(Send("MD;"), std::string("MD") + digit + ';') << demodulator;
    EXPECT_EQ(Send("IF;")[29], digit) << demodulator;
  }
}

TEST_F(KenwoodSessionTest, SetsTuneWithoutAnyReplyAndBadValuesGetAQuestionMark) {
  EXPECT_EQ(Send("FA7074000;FA00007074000;fa00007100500;"), "");
  EXPECT_EQ(Send("MD1;MD3;MD7;MD6;MD9;MD4;MD5;MD2;"), "");
  EXPECT_THAT(rig.calls,
              ElementsAre("key 7074", "key 7074", "key 7100.5", "mode LSB/", "mode CW/", "mode CW/",
                          "mode RTTY/", "mode RTTY/", "mode FM/", "mode AM/", "mode USB/"));
  rig.calls.clear();
  EXPECT_EQ(Send("FA000070740000;"), "?;");  // twelve digits
  EXPECT_EQ(Send("FA99999999999;"), "?;");   // beyond the keypad
  EXPECT_EQ(Send("FA7.074;"), "?;");
  EXPECT_EQ(Send("MD8;MD0;MD12;FR2;FT3;AI4;TX9X;"), "?;?;?;?;?;?;?;");
  EXPECT_THAT(rig.calls, IsEmpty());
  // The reversed variants read back as set.
  EXPECT_EQ(Send("MD7;MD;"), "MD7;");
  // A receiver program that did not answer does not make the command wrong.
  rig.reachable = false;
  EXPECT_EQ(Send("FA00006070000;ID;"), "ID019;");
}

TEST_F(KenwoodSessionTest, VfoBIsKeptAndOnlyVfoATunes) {
  EXPECT_EQ(Send("FB00007000000;FR1;MD1;"), "");
  EXPECT_THAT(rig.calls, IsEmpty());
  EXPECT_EQ(Send("FB;FA;FR;FT;MD;"), "FB00007000000;FA00014074000;FR1;FT1;MD1;");
  EXPECT_EQ(Send("IF;"), "IF000070000000000+0000000000011000000;");
  EXPECT_EQ(Send("FR0;MD;IF;").substr(0, 4), "MD2;");
  // Split: receiving on A, transmitting on B.
  EXPECT_EQ(Send("FT1;IF;"), "IF000140740000000+0000000000020010000;");
  EXPECT_EQ(Send("FR0;IF;")[32], '0');
}

TEST_F(KenwoodSessionTest, FramingTakesPiecesBatchesEmptyCommandsAndLineEnds) {
  EXPECT_EQ(Send("F"), "");
  EXPECT_EQ(Send("A;"), "FA00014074000;");
  EXPECT_EQ(Send("FA00007074000;ID;"), "ID019;");
  EXPECT_THAT(rig.calls, ElementsAre("key 7074"));
  EXPECT_EQ(Send(";;;;PS1;"), "");
  EXPECT_EQ(Send("\r\nID;\r\n;\nPS;\r"), "ID019;PS1;");
  // A command beyond the limit is dropped up to its ';', in whatever pieces.
  EXPECT_EQ(Send("FA" + std::string(kMaxKenwoodCommand, '0')), "");
  EXPECT_EQ(Send(std::string(100, '7') + ";ID;"), "ID019;");
  EXPECT_THAT(rig.calls, ElementsAre("key 7074"));
  EXPECT_FALSE(session.Ended());
}

// What hamlib's TS-2000 model sends for "f F 7074000 f M LSB 0 m V VFOB v V
// VFOA S 1 VFOB s S 0 VFOA T 1 t T 0", opening and closing included.
TEST_F(KenwoodSessionTest, HamlibsTs2000ModelGetsWhatItExpects) {
  const std::vector<std::pair<std::string, std::string>> exchanges = {
      {"ID;", "ID019;"},
      {"PS;", "PS1;"},
      {"IF;", "IF000140740000000+0000000000020000000;"},
      {"AI;", "AI0;"},
      {"FA;", "FA00014074000;"},
      {"FB;", "FB00014074000;"},
      {"MD;", "MD2;"},
      {"PS;", "PS1;"},
      {"FA;", "FA00014074000;"},
      {"FA00007074000;", ""},
      {"ID;", "ID019;"},
      {"FA;", "FA00007074000;"},
      {"MD1;", ""},
      {"ID;", "ID019;"},
      {"MD;", "MD1;"},
      {"SA;", "SA0;"},
      {"FR1;", ""},
      {"ID;", "ID019;"},
      {"FB;", "FB00007074000;"},
      {"IF;", "IF000070740000000+0000000000011000000;"},
      {"SA;", "SA0;"},
      {"FR0;", ""},
      {"ID;", "ID019;"},
      {"FA;", "FA00007074000;"},
      {"IF;", "IF000070740000000+0000000000010000000;"},
      {"FR0;FT1;", ""},
      {"ID;", "ID019;"},
      {"IF;", "IF000070740000000+0000000000010010000;"},
      {"IF;FR0;FT0;", "IF000070740000000+0000000000010010000;"},
      {"ID;", "ID019;"},
      {"TX;", ""},
      {"ID;", "ID019;"},
      {"IF;", "IF000070740000000+0000000000010000000;"},
      {"RX;", ""},
      {"AI0;", ""},
      {"ID;", "ID019;"},
  };
  for (const auto& [sent, answer] : exchanges) EXPECT_EQ(Send(sent), answer) << sent;
  EXPECT_THAT(rig.calls, ElementsAre("key 7074", "mode LSB/"));
  EXPECT_EQ(Poll(), "");
}

// OmniRig's TS-2000 profile: AI0 once, then IF, FA and FB polled, with its
// writes in between, none of which may be answered.
TEST_F(KenwoodSessionTest, OmniRigsPollsGetExactlyTheirAnswers) {
  EXPECT_EQ(Send("AI0;"), "");
  std::string answers;
  for (const char* write :
       {"FA00007074000;", "FR0;FT1;", "MD1;", "FB00010100000;", "FR0;FT0;", "MD3;", "RX;", "TX;"}) {
    answers += Send("IF;FA;FB;");
    answers += Send(write);
  }
  answers += Send("IF;FA;FB;");
  EXPECT_EQ(answers.size(), 9u * (38 + 14 + 14));
  EXPECT_EQ(answers.substr(answers.size() - 66),
            "IF000070740000000+0000000000030000000;FA00007074000;FB00010100000;");
}

TEST_F(KenwoodSessionTest, AutoInformationTellsOfOtherSourcesTuningOnly) {
  rig.tuned.FrequencyHz = 6070000;
  EXPECT_EQ(Poll(), "");  // off
  EXPECT_EQ(Send("AI2;AI;"), "AI2;");
  EXPECT_EQ(Poll(), "");  // nothing new since it was turned on
  // The client's own tuning comes back to it in no form.
  EXPECT_EQ(Send("FA00007074000;MD1;"), "");
  EXPECT_EQ(Poll(), "");
  // Tuned elsewhere: once.
  rig.tuned.FrequencyHz = 9420000;
  EXPECT_EQ(Poll(), "IF000094200000000+0000000000010000000;");
  EXPECT_EQ(Poll(), "");
  rig.tuned.Demodulator = "AM";
  EXPECT_EQ(Send("AI1;"), "");
  rig.tuned.FrequencyHz = 5000000;
  EXPECT_EQ(Poll(), "IF000050000000000+0000000000050000000;");
  EXPECT_EQ(Send("AI0;"), "");
  rig.tuned.FrequencyHz = 7000000;
  EXPECT_EQ(Poll(), "");
}

}  // namespace
}  // namespace vorn
