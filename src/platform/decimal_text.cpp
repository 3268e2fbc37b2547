#include "platform/decimal_text.h"

#include <limits>

namespace vorn {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view Digits(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  while (at < text.size() && IsDigit(text[at])) ++at;
  return text.substr(start, at - start);
}

// Appends a digit to the magnitude; false beyond the limit. The magnitude only
// grows digit by digit, so the first step beyond the limit decides.
bool Append(std::int64_t& magnitude, int digit, std::int64_t limit) {
  if (magnitude > (std::numeric_limits<std::int64_t>::max() - digit) / 10) return false;
  magnitude = magnitude * 10 + digit;
  return magnitude <= limit;
}

}  // namespace

std::optional<DecimalText> ScanDecimal(std::string_view text, const DecimalSyntax& syntax) {
  std::size_t at = 0;
  while (at < text.size() && syntax.Blanks.Has(text[at])) ++at;
  DecimalText number;
  if (at < text.size() && syntax.Signs.Has(text[at])) number.Negative = text[at++] == '-';
  number.Whole = Digits(text, at);
  bool separator = false;
  if (at < text.size() && syntax.Separators.Has(text[at])) {
    separator = true;
    ++at;
    number.Fraction = Digits(text, at);
  }
  const bool digits = !number.Whole.empty() || !number.Fraction.empty();
  if (!digits && !(separator && syntax.LoneSeparator)) return std::nullopt;
  while (at < text.size() && syntax.Blanks.Has(text[at])) ++at;
  number.End = at;
  return number;
}

std::optional<DecimalText> ReadDecimal(std::string_view text, const DecimalSyntax& syntax) {
  const auto number = ScanDecimal(text, syntax);
  if (!number || number->End != text.size()) return std::nullopt;
  return number;
}

std::optional<std::int64_t> ScaledInteger(const DecimalText& number, const DecimalScale& scale) {
  std::int64_t magnitude = 0;
  for (char c : number.Whole)
    if (!Append(magnitude, c - '0', scale.Limit)) return std::nullopt;
  std::string_view fraction = number.Fraction;
  for (int d = 0; d < scale.Decimals; ++d) {
    const int digit = fraction.empty() ? 0 : fraction.front() - '0';
    if (!fraction.empty()) fraction.remove_prefix(1);
    if (!Append(magnitude, digit, scale.Limit)) return std::nullopt;
  }
  if (scale.Round == Rounding::Exact) {
    if (fraction.find_first_not_of('0') != std::string_view::npos) return std::nullopt;
  } else if (!fraction.empty() && fraction.front() >= '5') {
    if (magnitude >= scale.Limit) return std::nullopt;
    ++magnitude;
  }
  return number.Negative ? -magnitude : magnitude;
}

std::string_view TrimChars(std::string_view text, const CharSet& blanks) {
  while (!text.empty() && blanks.Has(text.front())) text.remove_prefix(1);
  while (!text.empty() && blanks.Has(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace vorn
