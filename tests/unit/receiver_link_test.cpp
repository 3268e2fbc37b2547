#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_window_tree.h"
#include "receiver/control_actions.h"
#include "receiver/get_handles.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* const kMainCaptions[] = {"Dither", "AM",    "SAM",   "CW",     "RTTY",   "LSB",
                                     "USB",    "FM",    "DRM",   "USER",   "50 kHz", "25 kHz",
                                     "12 kHz", "6 kHz", "3 kHz", "1.6kHz", "0.8kHz"};
const char* const kKeypadCaptions[] = {"0", "1", "2", "3", "4", "5",
                                       "6", "7", "8", "9", ".", "kHz"};

// A desktop with the receiver program's two windows.
struct Receiver {
  WindowHandle main;
  WindowHandle keypad;
};

Receiver AddReceiver(SimWindowTree& tree, const std::string& keypad_title = "Frequency",
                     const std::string& confirm = "kHz") {
  Receiver r{tree.AddTopLevel("Perseus"), tree.AddTopLevel(keypad_title)};
  WindowHandle group = tree.AddChild(r.main, "");  // a captionless container
  for (const char* c : kMainCaptions) tree.AddChild(group, c);
  for (const char* c : kKeypadCaptions)
    tree.AddChild(r.keypad, c == std::string("kHz") ? confirm : c);
  return r;
}

class ReceiverLinkTest : public ::testing::Test {
 protected:
  void FindBoth() {
    ASSERT_EQ(link.FindMainControl("Perseus", "Dither"), "ok");
    ASSERT_EQ(link.FindKeypadControl("Frequency", "kHz", "V2.1f"), "ok");
  }
  SimWindowTree tree;
  ReceiverLink link{tree};
};

TEST(NormaliseTextTest, StripsControlAndBlankCharactersAndCutsAtZero) {
  EXPECT_EQ(NormaliseText("  Perseus \t\r\n"), "Perseus");
  EXPECT_EQ(NormaliseText("\x01"
                          "Dither\x1f"),
            "Dither");
  EXPECT_EQ(NormaliseText("   "), "");
  EXPECT_EQ(NormaliseText(std::string("AM\0 junk", 8)), "AM");
  EXPECT_EQ(NormaliseText("1.6 kHz"), "1.6 kHz");  // inner blanks stay
}

TEST_F(ReceiverLinkTest, TitleMatchUsesTheFirst31CharactersNormalisedAndExactCase) {
  const WindowHandle padded = tree.AddTopLevel("Perseus  ");
  tree.AddTopLevel("perseus");
  const WindowHandle long_title = tree.AddTopLevel("Perseus" + std::string(24, ' ') + "X");
  tree.AddTopLevel("Perseus" + std::string(23, ' ') + "X");  // X is the 31st character
  EXPECT_EQ(link.FindMainControl("Perseus", "Dither"), "Perseus-ChildHandle not found");
  EXPECT_THAT(link.Candidates(Table::Main), ElementsAre(padded, long_title));
}

TEST_F(ReceiverLinkTest, SearchMessagesForMissingWindowsAndMissingCheckCaption) {
  EXPECT_EQ(link.FindMainControl("Perseus", "Dither"),
            "Perseus not found, \rPerseus-Program started?");
  EXPECT_EQ(link.FindKeypadControl("Frequency (kHz)", "Ok", "v2.2"),
            "Frequency-Panel not found, \rPerseus v2.2 expected");

  WindowHandle main = tree.AddTopLevel("Perseus");
  tree.AddChild(main, "AM");
  WindowHandle keypad = tree.AddTopLevel("Frequency (kHz)");
  tree.AddChild(keypad, "kHz");
  EXPECT_EQ(link.FindMainControl("Perseus", "Dither"), "Perseus-ChildHandle not found");
  EXPECT_EQ(link.FindKeypadControl("Frequency (kHz)", "Ok", "v2.2"),
            "Frequency-ChildHandle not found");
  // The table keeps the last candidate's controls.
  ASSERT_EQ(link.Controls(Table::Keypad).size(), 1u);
  EXPECT_EQ(link.Controls(Table::Keypad)[0].Text, "kHz");
}

TEST_F(ReceiverLinkTest, LaterCandidateHoldingTheCheckCaptionWins) {
  const WindowHandle decoy = tree.AddTopLevel("Perseus");
  tree.AddChild(decoy, "");
  const Receiver r = AddReceiver(tree);
  FindBoth();
  EXPECT_THAT(link.Candidates(Table::Main), ElementsAre(decoy, r.main));
  EXPECT_EQ(link.Controls(Table::Main).size(), std::size(kMainCaptions));
}

TEST_F(ReceiverLinkTest, TablesHoldDescendantsInOrderAndLookupsFindTheFirstMatch) {
  const WindowHandle main = tree.AddTopLevel("Perseus");
  const WindowHandle blank = tree.AddChild(main, "   ");
  const WindowHandle panel = tree.AddChild(main, "");
  const WindowHandle first_am = tree.AddChild(panel, "AM");
  tree.AddChild(main, "Dither");
  tree.AddChild(main, " AM ");
  ASSERT_EQ(link.FindMainControl("Perseus", "Dither"), "ok");
  ASSERT_EQ(link.Controls(Table::Main).size(), 4u);  // the empty caption is skipped
  EXPECT_EQ(link.Lookup(Table::Main, "AM"), first_am);
  EXPECT_EQ(link.Lookup(Table::Main, ""), blank);
  EXPECT_EQ(link.Lookup(Table::Main, "am"), std::nullopt);
  EXPECT_EQ(link.Lookup(Table::Keypad, "AM"), std::nullopt);
}

TEST_F(ReceiverLinkTest, KeyInFrequencyPressesEachCharacterThenConfirms) {
  AddReceiver(tree);
  FindBoth();
  EXPECT_TRUE(KeyInFrequency(link, "7100,5"));
  EXPECT_TRUE(KeyInFrequency(link, " \t850 "));
  EXPECT_THAT(tree.Clicks(),
              ElementsAre("7", "1", "0", "0", ".", "5", "kHz", "8", "5", "0", "kHz"));

  tree.ClearSent();
  EXPECT_TRUE(KeyInFrequency(link, "  "));
  EXPECT_THAT(tree.SentMessages(), IsEmpty());
  EXPECT_TRUE(KeyInFrequency(link, "a-5"));  // no buttons for a and -
  EXPECT_THAT(tree.Clicks(), ElementsAre("5", "kHz"));
}

TEST_F(ReceiverLinkTest, EachPressIsButtonDownThenUpAtFourFour) {
  const Receiver r = AddReceiver(tree);
  FindBoth();
  const WindowHandle am = *link.Lookup(Table::Main, "AM");
  EXPECT_TRUE(SelectDemodulator(link, "AM"));
  EXPECT_THAT(tree.SentMessages(), ElementsAre(SimWindowTree::Sent{am, 0x0201, 0, 0x00040004},
                                               SimWindowTree::Sent{am, 0x0202, 0, 0x00040004}));
  (void)r;
}

TEST_F(ReceiverLinkTest, BandwidthCaptionsDropTheSpaceOnlyWhenThereIsAPoint) {
  EXPECT_EQ(BandwidthCaption("1.6 kHz"), "1.6kHz");
  EXPECT_EQ(BandwidthCaption("0.8 kHz"), "0.8kHz");
  EXPECT_EQ(BandwidthCaption("12 kHz"), "12 kHz");
  EXPECT_EQ(BandwidthCaption("1 .5 k Hz"), "1.5 k Hz");
  AddReceiver(tree);
  FindBoth();
  EXPECT_TRUE(TuneToStation(link, {"6070", "1.6 kHz", "USB", "Radio"}));
  EXPECT_THAT(tree.Clicks(), ElementsAre("6", "0", "7", "0", "kHz", "USB", "1.6kHz"));
  tree.ClearSent();
  EXPECT_TRUE(SelectDemodulator(link, "XYZ"));
  EXPECT_THAT(tree.SentMessages(), IsEmpty());
}

TEST_F(ReceiverLinkTest, VersionSpecificKeypadIsConfirmedWithItsOwnCaption) {
  AddReceiver(tree, "Frequency (kHz)", "Ok");
  ASSERT_EQ(link.FindMainControl("Perseus", "Dither"), "ok");
  ASSERT_EQ(link.FindKeypadControl("Frequency (kHz)", "Ok", "V2.2"), "ok");
  EXPECT_TRUE(KeyInFrequency(link, "9"));
  EXPECT_THAT(tree.Clicks(), ElementsAre("9", "Ok"));
}

TEST_F(ReceiverLinkTest, RestartedReceiverIsFoundAgainAndStaleHandlesAreNeverPressed) {
  const Receiver old = AddReceiver(tree);
  FindBoth();
  tree.Destroy(old.main);
  tree.Destroy(old.keypad);
  const Receiver fresh = AddReceiver(tree);

  EXPECT_TRUE(TuneToStation(link, {"7100.5", "12 kHz", "AM", ""}));
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1", "0", "0", ".", "5", "kHz", "AM", "12 kHz"));
  for (const auto& sent : tree.SentMessages()) EXPECT_GT(sent.Window, fresh.main);
}

TEST_F(ReceiverLinkTest, ReceiverGoneReportsFailureWithoutPressing) {
  const Receiver r = AddReceiver(tree);
  FindBoth();
  tree.Destroy(r.keypad);
  EXPECT_FALSE(KeyInFrequency(link, "7100"));
  EXPECT_THAT(tree.SentMessages(), IsEmpty());
  tree.Destroy(r.main);
  EXPECT_FALSE(SelectDemodulator(link, "AM"));
  EXPECT_THAT(tree.SentMessages(), IsEmpty());
}

TEST_F(ReceiverLinkTest, RecaptionedControlIsNotPressed) {
  AddReceiver(tree);
  FindBoth();
  const WindowHandle seven = *link.Lookup(Table::Keypad, "7");
  tree.SetText(seven, "8");  // same window, other meaning: the search finds "7" nowhere
  EXPECT_TRUE(KeyInFrequency(link, "77"));
  EXPECT_THAT(tree.Clicks(), ElementsAre("kHz"));
}

TEST_F(ReceiverLinkTest, HungControlEndsTheFrequencyBeforeConfirm) {
  AddReceiver(tree);
  FindBoth();
  tree.Hang(*link.Lookup(Table::Keypad, "0"));
  EXPECT_FALSE(KeyInFrequency(link, "7100"));
  // 7 and 1 went through, the press of 0 failed at its button-down, nothing after.
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1"));
  EXPECT_EQ(tree.SentMessages().size(), 5u);
  EXPECT_FALSE(TuneToStation(link, {"0", "12 kHz", "AM", ""}));
  EXPECT_THAT(tree.Clicks(), ElementsAre("7", "1"));
}

TEST(HzFromKeypadTextTest, ReadsKhzTextsAsTheEntryAndRowsKeyThem) {
  EXPECT_EQ(HzFromKeypadText("7100"), 7100000);
  EXPECT_EQ(HzFromKeypadText(" 7100,5 "), 7100500);
  EXPECT_EQ(HzFromKeypadText("7100.001"), 7100001);
  EXPECT_EQ(HzFromKeypadText("7100.0015"), 7100002);  // rounded to 1 Hz
  EXPECT_EQ(HzFromKeypadText("7100.00149"), 7100001);
  EXPECT_EQ(HzFromKeypadText("."), 0);
  EXPECT_EQ(HzFromKeypadText(""), std::nullopt);
  EXPECT_EQ(HzFromKeypadText("7.1.0"), std::nullopt);
  EXPECT_EQ(HzFromKeypadText("a-5"), std::nullopt);
  EXPECT_EQ(HzFromKeypadText(std::string(30, '9')), std::nullopt);
}

TEST_F(ReceiverLinkTest, TheTunedRecordFollowsEveryActionThatWentThrough) {
  AddReceiver(tree);
  FindBoth();
  EXPECT_EQ(link.Tuned().FrequencyHz, 0);
  EXPECT_TRUE(KeyInFrequency(link, "7100,5"));
  EXPECT_TRUE(TuneToStation(link, {"6070", "1.6 kHz", "USB", "Radio"}));
  EXPECT_EQ(link.Tuned().FrequencyHz, 6070000);
  EXPECT_EQ(link.Tuned().Demodulator, "USB");
  EXPECT_EQ(link.Tuned().BandwidthHz, 1600);
  EXPECT_TRUE(SelectDemodulator(link, "AM"));
  EXPECT_TRUE(SelectBandwidth(link, "12 kHz"));
  EXPECT_EQ(link.Tuned().Demodulator, "AM");
  EXPECT_EQ(link.Tuned().BandwidthHz, 12000);

  // A failed press leaves the record as it was.
  tree.Hang(*link.Lookup(Table::Keypad, "kHz"));
  tree.Hang(*link.Lookup(Table::Main, "CW"));
  EXPECT_FALSE(KeyInFrequency(link, "9000"));
  EXPECT_FALSE(SelectDemodulator(link, "CW"));
  EXPECT_EQ(link.Tuned().FrequencyHz, 6070000);
  EXPECT_EQ(link.Tuned().Demodulator, "AM");
}

}  // namespace
}  // namespace vorn
