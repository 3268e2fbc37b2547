#include "receiver/tuned_state.h"

namespace vorn {

std::optional<std::int64_t> HzFromKeypadText(const std::string& text) {
  std::size_t first = 0, last = text.size();
  while (first < last && static_cast<unsigned char>(text[first]) <= 32) ++first;
  while (last > first && static_cast<unsigned char>(text[last - 1]) <= 32) --last;
  if (first == last) return std::nullopt;

  std::int64_t whole = 0;
  std::int64_t milli = 0;  // the first three decimals
  std::int64_t scale = 100;
  bool separator = false;
  bool round_up = false;
  for (std::size_t i = first; i < last; ++i) {
    const char c = text[i];
    if (c == '.' || c == ',') {
      if (separator) return std::nullopt;
      separator = true;
    } else if (c < '0' || c > '9') {
      return std::nullopt;
    } else if (!separator) {
      if (whole > 1'000'000'000'000) return std::nullopt;
      whole = whole * 10 + (c - '0');
    } else if (scale > 0) {
      milli += (c - '0') * scale;
      scale /= 10;
    } else if (scale == 0) {
      round_up = c >= '5';
      scale = -1;  // later digits no longer count
    }
  }
  return whole * 1000 + milli + (round_up ? 1 : 0);
}

}  // namespace vorn
