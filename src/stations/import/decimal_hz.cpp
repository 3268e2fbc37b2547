#include "stations/import/decimal_hz.h"

#include "receiver/tuning_values.h"
#include "stations/import/text_fields.h"

namespace vorn {

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::int64_t> TunableHz(std::string_view text, FrequencyUnit unit) {
  constexpr std::int64_t kMaxHz = kMaxFrequencyKhz * 1000;
  text = TrimBlanks(text);
  std::int64_t hz = 0;
  std::size_t i = 0;
  bool any_digit = false;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    // Past the keypad's end there is nothing to read precisely.
    if (hz > kMaxHz) return std::nullopt;
    hz = hz * 10 + (text[i] - '0');
    any_digit = true;
  }
  int decimals = static_cast<int>(unit);
  for (int d = 0; d < decimals; ++d) hz *= 10;
  if (i < text.size() && text[i] == '.') {
    for (++i; i < text.size() && IsDigit(text[i]); ++i) {
      any_digit = true;
      const int digit = text[i] - '0';
      if (decimals == 0) {
        // Zeros beyond 1 Hz say nothing; any other digit is finer than the keypad.
        if (digit != 0) return std::nullopt;
        continue;
      }
      std::int64_t scale = 1;
      for (int d = 1; d < decimals; ++d) scale *= 10;
      hz += digit * scale;
      --decimals;
    }
  }
  if (!any_digit || i != text.size() || hz <= 0 || hz > kMaxHz) return std::nullopt;
  return hz;
}

}  // namespace vorn
