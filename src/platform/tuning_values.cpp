#include "platform/tuning_values.h"

#include "platform/decimal_text.h"

namespace vorn {

std::string KeypadTextFromHz(std::int64_t hz) {
  const bool negative = hz < 0;
  const std::uint64_t magnitude =
      negative ? 0 - static_cast<std::uint64_t>(hz) : static_cast<std::uint64_t>(hz);
  std::string text;
  if (negative) text.push_back('-');
  text += std::to_string(magnitude / 1000);
  const std::uint64_t fraction = magnitude % 1000;
  if (fraction == 0) return text;
  // Three decimals with their leading zeros, less the trailing ones.
  const std::string digits = std::to_string(1000 + fraction);
  std::size_t end = digits.size();
  while (digits[end - 1] == '0') --end;
  text.push_back('.');
  text.append(digits, 1, end - 1);
  return text;
}

const BandwidthChoice& BandwidthForPassband(std::int64_t hz) {
  for (auto choice = kBandwidthChoices.rbegin(); choice != kBandwidthChoices.rend(); ++choice)
    if (choice->Hz >= hz) return *choice;
  return kBandwidthChoices.front();
}

std::int64_t BandwidthHz(const std::string& text) {
  // Whole kHz and at most three decimals, then perhaps the unit.
  constexpr DecimalSyntax kWidth{kSpaces, kNoChars, kPointOrComma, false};
  const auto number = ScanDecimal(text, kWidth);
  if (!number) return 0;
  const std::string_view rest = std::string_view(text).substr(number->End);
  if (!rest.empty() && rest != "kHz" && rest != "khz" && rest != "KHz") return 0;
  return ScaledInteger(*number, {3, Rounding::Exact, 1'000'000'000}).value_or(0);
}

}  // namespace vorn
