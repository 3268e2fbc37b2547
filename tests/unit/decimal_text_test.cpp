#include "platform/decimal_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vorn {
namespace {

constexpr DecimalSyntax kPlain{kSpaces, kNoChars, kPoint, false};
constexpr DecimalSyntax kSigned{kNoChars, kPlusOrMinus, kPointOrComma, true};

std::string Parts(const std::optional<DecimalText>& number) {
  if (!number) return "none";
  return std::string(number->Negative ? "-" : "") + std::string(number->Whole) + "|" +
         std::string(number->Fraction) + "@" + std::to_string(number->End);
}

TEST(DecimalTextTest, TheSyntaxSaysWhichBlanksSignsAndSeparatorsANumberMayHave) {
  EXPECT_EQ(Parts(ReadDecimal("  12.50 ", kPlain)), "12|50@8");
  EXPECT_EQ(Parts(ReadDecimal("12,5", kPlain)), "none");
  EXPECT_EQ(Parts(ReadDecimal("-5", kPlain)), "none");
  EXPECT_EQ(Parts(ReadDecimal("\t5", kPlain)), "none");
  EXPECT_EQ(Parts(ReadDecimal("1 2", kPlain)), "none");
  EXPECT_EQ(Parts(ReadDecimal("1.2.3", kPlain)), "none");
  EXPECT_EQ(Parts(ReadDecimal(".", kPlain)), "none");
  EXPECT_EQ(Parts(ReadDecimal("5.", kPlain)), "5|@2");
  EXPECT_EQ(Parts(ReadDecimal(".5", kPlain)), "|5@2");

  EXPECT_EQ(Parts(ReadDecimal("-12,5", kSigned)), "-12|5@5");
  EXPECT_EQ(Parts(ReadDecimal("+.", kSigned)), "|@2");
  EXPECT_EQ(Parts(ReadDecimal("-", kSigned)), "none");
  EXPECT_EQ(Parts(ReadDecimal(" 1", kSigned)), "none");
  EXPECT_EQ(Parts(ReadDecimal("", kSigned)), "none");

  // A scan takes the number and the blanks after it and leaves the rest.
  EXPECT_EQ(Parts(ScanDecimal(" 1.6  kHz", kPlain)), "1|6@6");
  EXPECT_EQ(Parts(ScanDecimal("kHz", kPlain)), "none");
  const DecimalSyntax controls{kControlsAndSpace, kNoChars, kPoint, false};
  EXPECT_EQ(Parts(ReadDecimal(std::string("\0\r\n 7\x1f ", 7), controls)), "7|@7");
  EXPECT_EQ(Parts(ReadDecimal("7\x7f", controls)), "none");
}

std::optional<std::int64_t> Scaled(const char* text, DecimalScale scale) {
  const auto number = ReadDecimal(text, kSigned);
  return number ? ScaledInteger(*number, scale) : std::nullopt;
}

TEST(DecimalTextTest, ExactScalingTakesTrailingZerosButNothingFiner) {
  const DecimalScale khz{3, Rounding::Exact, 40'000'000};
  EXPECT_EQ(Scaled("7100.5", khz), 7100500);
  EXPECT_EQ(Scaled("7100.500000", khz), 7100500);
  EXPECT_EQ(Scaled("7100.0001", khz), std::nullopt);
  EXPECT_EQ(Scaled("-0007,1", khz), -7100);
  EXPECT_EQ(Scaled(".", khz), 0);
  EXPECT_EQ(Scaled("0.5", {0, Rounding::Exact, 10}), std::nullopt);
}

TEST(DecimalTextTest, HalfUpRoundsTheMagnitudeAtTheFirstDigitDropped) {
  const DecimalScale whole{0, Rounding::HalfUp, 1000};
  EXPECT_EQ(Scaled("2.4999999", whole), 2);
  EXPECT_EQ(Scaled("2.5", whole), 3);
  EXPECT_EQ(Scaled("-2.5", whole), -3);
  EXPECT_EQ(Scaled("-.4", whole), 0);
  EXPECT_EQ(Scaled("7100.0015", {3, Rounding::HalfUp, 1'000'000'000}), 7100002);
}

TEST(DecimalTextTest, TheLimitHoldsForTheRoundedMagnitudeAndLongTextsNeverWrap) {
  EXPECT_EQ(Scaled("40000", {3, Rounding::Exact, 40'000'000}), 40'000'000);
  EXPECT_EQ(Scaled("-40000", {3, Rounding::Exact, 40'000'000}), -40'000'000);
  EXPECT_EQ(Scaled("40000.001", {3, Rounding::Exact, 40'000'000}), std::nullopt);
  EXPECT_EQ(Scaled("999.4", {0, Rounding::HalfUp, 999}), 999);
  EXPECT_EQ(Scaled("999.5", {0, Rounding::HalfUp, 999}), std::nullopt);
  const std::int64_t most = std::numeric_limits<std::int64_t>::max();
  EXPECT_EQ(Scaled("9223372036854775807", {0, Rounding::Exact, most}), most);
  EXPECT_EQ(Scaled("9223372036854775808", {0, Rounding::Exact, most}), std::nullopt);
  EXPECT_EQ(Scaled("9223372036854775807.5", {0, Rounding::HalfUp, most}), std::nullopt);
  EXPECT_EQ(Scaled(std::string(400, '9').c_str(), {3, Rounding::HalfUp, most}), std::nullopt);
}

TEST(DecimalTextTest, CharacterSetsAndTrimming) {
  EXPECT_TRUE(kControlsAndSpace.Has('\0'));
  EXPECT_TRUE(kControlsAndSpace.Has(' '));
  EXPECT_FALSE(kControlsAndSpace.Has('!'));
  EXPECT_FALSE(kControlsAndSpace.Has('\xA0'));
  EXPECT_TRUE(CharSet("\xA0").Has('\xA0'));
  EXPECT_FALSE(kNoChars.Has('\0'));
  EXPECT_EQ(TrimChars(" \t 7 1\t", kSpacesAndTabs), "7 1");
  EXPECT_EQ(TrimChars("   ", kSpaces), "");
}

}  // namespace
}  // namespace vorn
