#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vorn {

// A set of single-byte characters.
class CharSet {
 public:
  constexpr CharSet() = default;
  constexpr explicit CharSet(std::string_view chars) {
    for (char c : chars) Add(c);
  }
  // Every code from 0 to `last`.
  static constexpr CharSet UpTo(unsigned char last) {
    CharSet set;
    for (unsigned code = 0; code <= last; ++code) set.Add(static_cast<char>(code));
    return set;
  }
  constexpr bool Has(char c) const {
    const auto code = static_cast<unsigned char>(c);
    return (bits_[code / 64] >> (code % 64)) & 1;
  }

 private:
  constexpr void Add(char c) {
    const auto code = static_cast<unsigned char>(c);
    bits_[code / 64] |= std::uint64_t{1} << (code % 64);
  }
  std::array<std::uint64_t, 4> bits_{};
};

// The sets the callers tell their numbers by.
inline constexpr CharSet kNoChars;
inline constexpr CharSet kSpaces{" "};
inline constexpr CharSet kSpacesAndTabs{" \t"};
// What the system's edits and the receiver's keypad texts count as blank.
inline constexpr CharSet kControlsAndSpace = CharSet::UpTo(32);
inline constexpr CharSet kPoint{"."};
inline constexpr CharSet kPointOrComma{".,"};
inline constexpr CharSet kPlusOrMinus{"+-"};

// What a number may look like: blanks before and after it, a sign, decimal
// digits, then at most one separator followed by more digits.
struct DecimalSyntax {
  CharSet Blanks;
  CharSet Signs;
  CharSet Separators;
  // A separator without any digit ("." or "-.") reads as 0.
  bool LoneSeparator = false;
};

// A number found in a text; the views point into it.
struct DecimalText {
  bool Negative = false;
  std::string_view Whole;     // the digits before the separator
  std::string_view Fraction;  // the digits after it
  // Just past the number and the blanks after it.
  std::size_t End = 0;
};

// The number at the start of `text`, after blanks; what follows it is left
// to the caller. Nothing when no number starts there.
std::optional<DecimalText> ScanDecimal(std::string_view text, const DecimalSyntax& syntax);
// The number that is the whole text, blanks around it aside.
std::optional<DecimalText> ReadDecimal(std::string_view text, const DecimalSyntax& syntax);

enum class Rounding {
  Exact,   // digits finer than the scale must be zeros
  HalfUp,  // the first digit finer than the scale rounds the magnitude up from 5
};

// How a number becomes an integer: times 10^Decimals, rounded, at most Limit
// in magnitude.
struct DecimalScale {
  int Decimals = 0;
  Rounding Round = Rounding::Exact;
  std::int64_t Limit = 0;
};

// Nothing when the number is finer than an exact scale or beyond the limit.
std::optional<std::int64_t> ScaledInteger(const DecimalText& number, const DecimalScale& scale);

// The text without the characters of `blanks` at either end.
std::string_view TrimChars(std::string_view text, const CharSet& blanks);

}  // namespace vorn
