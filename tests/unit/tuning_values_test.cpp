#include "platform/tuning_values.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(KeypadTextFromHz, UsesTheFewestDigitsThatHoldTheFrequency) {
  EXPECT_EQ(KeypadTextFromHz(7100000), "7100");
  EXPECT_EQ(KeypadTextFromHz(7100500), "7100.5");
  EXPECT_EQ(KeypadTextFromHz(7100050), "7100.05");
  EXPECT_EQ(KeypadTextFromHz(7100001), "7100.001");
  EXPECT_EQ(KeypadTextFromHz(999), "0.999");
  EXPECT_EQ(KeypadTextFromHz(0), "0");
  EXPECT_EQ(KeypadTextFromHz(-1500), "-1.5");
}

TEST(BandwidthForPassband, PicksTheNarrowestWideEnoughOrElseTheWidest) {
  EXPECT_STREQ(BandwidthForPassband(2400).Text, "3 kHz");
  EXPECT_STREQ(BandwidthForPassband(3000).Text, "3 kHz");
  EXPECT_STREQ(BandwidthForPassband(1).Text, "0.8 kHz");
  EXPECT_STREQ(BandwidthForPassband(12001).Text, "25 kHz");
  EXPECT_STREQ(BandwidthForPassband(200000).Text, "50 kHz");
}

TEST(BandwidthHz, ReadsTheTextsThatRowsCarry) {
  EXPECT_EQ(BandwidthHz("12 kHz"), 12000);
  EXPECT_EQ(BandwidthHz("1.6kHz"), 1600);
  EXPECT_EQ(BandwidthHz("0.8 kHz"), 800);
  EXPECT_EQ(BandwidthHz("12"), 12000);
  EXPECT_EQ(BandwidthHz("2,4"), 2400);
  EXPECT_EQ(BandwidthHz(""), 0);
  EXPECT_EQ(BandwidthHz("wide"), 0);
  EXPECT_EQ(BandwidthHz("12 MHz"), 0);
  EXPECT_EQ(BandwidthHz("99999999999999999999"), 0);
}

}  // namespace
}  // namespace vorn
