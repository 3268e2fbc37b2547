#include "receiver/tuning_values.h"

#include <cctype>

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
  // Whole kHz and at most three decimals; anything else names no width.
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::int64_t hz = 0;
  bool any_digit = false;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (hz > 1'000'000'000) return 0;
    hz = hz * 10 + (text[i] - '0') * 1000;
    any_digit = true;
  }
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    std::int64_t scale = 100;
    for (++i; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
      if (scale == 0) return 0;
      hz += (text[i] - '0') * scale;
      scale /= 10;
      any_digit = true;
    }
  }
  if (!any_digit) return 0;
  while (i < text.size() && text[i] == ' ') ++i;
  const std::string rest = text.substr(i);
  if (!rest.empty() && rest != "kHz" && rest != "khz" && rest != "KHz") return 0;
  return hz;
}

}  // namespace vorn
