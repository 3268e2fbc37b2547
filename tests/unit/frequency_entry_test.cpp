#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <charconv>
#include <random>

#include "platform/sim/sim_locale.h"
#include "platform/sim/sim_window_tree.h"
#include "receiver/control_actions.h"
#include "receiver/get_handles.h"
#include "ui/frequency_entry.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Optional;

// The window around the field, recording what the entry asked of it.
class EntryTest : public ::testing::Test {
 protected:
  FrequencyEntryHost Host() {
    return {[this] { return text; },
            [this](const std::string& t) {
              keyed.push_back(t);
              return receiver_reached;
            },
            [this] { ++rejections; },
            [this] { ++failures; },
            [this] { return auto_hide; },
            [this] { ++hidden; },
            [this] { ++selected; }};
  }
  // Types the character and returns what the filter left of it.
  char Type(char key) {
    entry.Edit1KeyPress(key);
    return key;
  }
  void Enter(const std::string& field) {
    text = field;
    EXPECT_EQ(Type('\r'), 0);
    EXPECT_EQ(text, field);
  }

  SimLocale locale{'.'};
  std::string text;
  bool receiver_reached = true;
  bool auto_hide = false;
  std::vector<std::string> keyed;
  int rejections = 0, failures = 0, hidden = 0, selected = 0;
  FrequencyEntry entry{locale, Host()};
};

TEST_F(EntryTest, TheFilterKeepsDigitsSeparatorsAndControlCharacters) {
  for (char c : std::string("0123456789.,")) EXPECT_EQ(Type(c), c);
  for (char c : {'\b', '\x03', '\x16', '\x18', '\x1b', '\x1f'}) EXPECT_EQ(Type(c), c) << int(c);
  for (char c : {'a', 'E', '-', '+', ' ', '\x7f', '\xE4', '\xFF', ';'}) EXPECT_EQ(Type(c), 0) << c;
  EXPECT_THAT(keyed, IsEmpty());
  EXPECT_EQ(rejections, 0);
}

TEST_F(EntryTest, EnterKeysTheStrippedTextWithTheSeparatorSwapped) {
  Enter(" \t7100,5\r\n ");
  EXPECT_THAT(keyed, ElementsAre("7100.5"));
  EXPECT_EQ(selected, 1);
  EXPECT_EQ(hidden, 0);
  EXPECT_EQ(rejections, 0);
}

TEST_F(EntryTest, WithAutoHideTheWindowHidesInsteadOfSelecting) {
  auto_hide = true;
  Enter("6070");
  EXPECT_EQ(hidden, 1);
  EXPECT_EQ(selected, 0);
}

TEST_F(EntryTest, BadInputBeepsAndAnUnreachableReceiverIsReportedApart) {
  Enter("");
  Enter("abc");
  EXPECT_THAT(keyed, IsEmpty());
  EXPECT_EQ(rejections, 2);
  receiver_reached = false;
  auto_hide = true;
  Enter("6070");
  EXPECT_THAT(keyed, ElementsAre("6070"));
  EXPECT_EQ(rejections, 2);
  EXPECT_EQ(failures, 1);
  EXPECT_EQ(hidden + selected, 0);
}

TEST_F(EntryTest, TheLocaleSeparatorIsReadAgainButOtherSeparatorStays) {
  SimLocale comma(',');
  FrequencyEntry german{comma, Host()};
  EXPECT_EQ(entry.OtherSeparator(), ',');
  EXPECT_EQ(german.OtherSeparator(), '.');
  char enter = '\r';
  text = "7100.5";
  german.Edit1KeyPress(enter);
  EXPECT_THAT(keyed, ElementsAre("7100,5"));

  comma.SetDecimalSeparator('.');
  german.SettingsChanged();
  EXPECT_EQ(german.DecimalSeparator(), '.');
  EXPECT_EQ(german.OtherSeparator(), '.');
  text = "7100,5";
  enter = '\r';
  german.Edit1KeyPress(enter);
  EXPECT_EQ(rejections, 1);
  text = "7100.5";
  enter = '\r';
  german.Edit1KeyPress(enter);
  EXPECT_THAT(keyed, ElementsAre("7100,5", "7100.5"));
}

TEST(PrepareFrequencyTest, OnlyTheFirstForeignSeparatorIsSwapped) {
  EXPECT_THAT(PrepareFrequency("7.100", ',', '.'), Optional(std::string("7,100")));
  EXPECT_EQ(PrepareFrequency("7.100.5", ',', '.'), std::nullopt);
  EXPECT_EQ(PrepareFrequency("7,100.5", ',', '.'), std::nullopt);
  EXPECT_EQ(PrepareFrequency("1,000.5", '.', ','), std::nullopt);
}

TEST(PrepareFrequencyTest, ALoneSeparatorReadsAsZero) {
  EXPECT_THAT(PrepareFrequency(".", '.', ','), Optional(std::string(".")));
  EXPECT_THAT(PrepareFrequency(",", '.', ','), Optional(std::string(".")));
  EXPECT_THAT(PrepareFrequency("5.", '.', ','), Optional(std::string("5.")));
  EXPECT_THAT(PrepareFrequency(".5", '.', ','), Optional(std::string(".5")));
  EXPECT_EQ(PrepareFrequency("", '.', ','), std::nullopt);
  EXPECT_EQ(PrepareFrequency(" \t ", '.', ','), std::nullopt);
}

TEST(PrepareFrequencyTest, SignsExponentsAndInnerBlanksAreRefused) {
  for (const char* text : {"-5", "+5", "1e3", "1E", "5e", "5 5", "5;", "0x10", "1\xA0", "\xB2"})
    EXPECT_EQ(PrepareFrequency(text, '.', ','), std::nullopt) << text;
}

TEST(PrepareFrequencyTest, TheLimitIs40000InSinglePrecision) {
  for (const char* text : {"40000", "40000.001", "40000.001953125", "40000.0019531250000",
                           "0000040000.000", "39999.999999999999999", "0"})
    EXPECT_NE(PrepareFrequency(text, '.', ','), std::nullopt) << text;
  for (const char* text : {"40001", "40000.002", "40000.0019531250001", "40000.00196", "100000",
                           "1000000000000000000000000000000000000000"})
    EXPECT_EQ(PrepareFrequency(text, '.', ','), std::nullopt) << text;
  // Tiny values round to zero and are accepted; the receiver gets the text.
  EXPECT_NE(PrepareFrequency("0." + std::string(60, '0') + "1", '.', ','), std::nullopt);
}

// The exact text comparison must agree with rounding to float and comparing.
TEST(PrepareFrequencyTest, AgreesWithSinglePrecisionRounding) {
  std::mt19937 random(7);
  std::uniform_int_distribution<int> fraction_digits(0, 12), digit(0, 9);
  std::uniform_int_distribution<int> whole(39990, 40010);
  for (int i = 0; i < 20000; ++i) {
    std::string text = std::to_string(whole(random)) + ".";
    const int n = fraction_digits(random);
    // Bias towards the boundary 40000.0019531...
    if (i % 2) text = "40000.00195312";
    for (int d = 0; d < n; ++d) text += char('0' + digit(random));
    float value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    ASSERT_EQ(error, std::errc()) << text;
    EXPECT_EQ(PrepareFrequency(text, '.', ',').has_value(), value <= 40000.0f) << text;
  }
}

TEST(FrequencyEntryReceiverTest, EnterPressesTheKeypadButtons) {
  SimWindowTree tree;
  tree.AddChild(tree.AddTopLevel("Perseus"), "Dither");
  const WindowHandle keypad = tree.AddTopLevel("Frequency");
  for (const char* caption : {"0", "1", "5", "7", ".", "kHz"}) tree.AddChild(keypad, caption);
  ReceiverLink link(tree);
  ASSERT_EQ(link.FindMainControl("Perseus", "Dither"), "ok");
  ASSERT_EQ(link.FindKeypadControl("Frequency", "kHz", "V2.1f"), "ok");

  SimLocale locale(',');
  SimAlert alert;
  std::string field;
  FrequencyEntry entry(
      locale, {[&] { return field; }, [&](const std::string& t) { return KeyInFrequency(link, t); },
               [&] {
                 alert.Beep();
                 alert.FlashCaption(0x77);
               },
               [] {}, [] { return true; }, [] {}, [] {}});
  for (const std::string typed : {"7100.5", ".", "-5"}) {
    field = typed;
    char enter = '\r';
    entry.Edit1KeyPress(enter);
  }
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1", "0", "0", ".", "5", "kHz", ".", "kHz"));
  EXPECT_EQ(alert.Beeps(), 1);
  EXPECT_THAT(alert.Flashed(), ElementsAre(0x77u));
}

}  // namespace
}  // namespace vorn
