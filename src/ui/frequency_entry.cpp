#include "ui/frequency_entry.h"

#include <algorithm>
#include <utility>

#include "platform/decimal_text.h"

namespace vorn {

namespace {

constexpr char kEnter = 13;

// 40000 is a single-precision value whose unit in the last place is 2^-8; every
// value up to 40000 + 2^-9 = 40000.001953125 rounds to it (that midpoint to the
// even 40000 as well), everything above to a larger value. Comparing the
// decimal text with that bound is therefore exact, for texts of any length.
constexpr std::string_view kLimitWhole = "40000";
constexpr std::string_view kLimitFraction = "001953125";

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

bool WithinLimit(std::string_view whole, std::string_view fraction) {
  whole.remove_prefix(std::min(whole.find_first_not_of('0'), whole.size()));
  if (whole.size() != kLimitWhole.size()) return whole.size() < kLimitWhole.size();
  if (whole != kLimitWhole) return whole < kLimitWhole;
  const std::size_t length = std::max(fraction.size(), kLimitFraction.size());
  for (std::size_t i = 0; i < length; ++i) {
    const char digit = i < fraction.size() ? fraction[i] : '0';
    const char bound = i < kLimitFraction.size() ? kLimitFraction[i] : '0';
    if (digit != bound) return digit < bound;
  }
  return true;
}

}  // namespace

char OtherSeparatorFor(char decimal_separator) {
  return decimal_separator == ',' ? '.' : ',';
}

std::optional<std::string> PrepareFrequency(std::string_view text, char decimal_separator,
                                            char other_separator) {
  std::string prepared(TrimChars(text, kControlsAndSpace));
  const std::size_t other = prepared.find(other_separator);
  if (other != std::string::npos) prepared[other] = decimal_separator;
  const DecimalSyntax typed{kNoChars, kNoChars, CharSet({&decimal_separator, 1}), true};
  const auto number = ReadDecimal(prepared, typed);
  if (!number || !WithinLimit(number->Whole, number->Fraction)) return std::nullopt;
  return prepared;
}

FrequencyEntry::FrequencyEntry(Locale& locale, FrequencyEntryHost host)
    : locale_(locale),
      host_(std::move(host)),
      decimal_separator_(locale.DecimalSeparator()),
      other_separator_(OtherSeparatorFor(decimal_separator_)) {}

void FrequencyEntry::Edit1KeyPress(char& key) {
  const auto code = static_cast<unsigned char>(key);
  if (code >= 32 && !IsDigit(key) && key != '.' && key != ',') {
    key = 0;
  } else if (key == kEnter) {
    key = 0;
    Enter();
  }
}

void FrequencyEntry::Enter() {
  const std::optional<std::string> text =
      PrepareFrequency(host_.Text(), decimal_separator_, other_separator_);
  if (!text) {
    host_.BeepAndFlash();
    return;
  }
  if (!host_.KeyInFrequency(*text)) {
    host_.ReceiverFailed();
    return;
  }
  if (host_.AutoHideChecked())
    host_.HideWindow();
  else
    host_.SelectAll();
}

}  // namespace vorn
