#include "receiver/tuned_state.h"

#include "platform/decimal_text.h"

namespace vorn {

std::optional<std::int64_t> HzFromKeypadText(const std::string& text) {
  // As the keypad takes it: either separator, a lone one is 0.
  constexpr DecimalSyntax kKeypad{kControlsAndSpace, kNoChars, kPointOrComma, true};
  const auto number = ReadDecimal(text, kKeypad);
  if (!number) return std::nullopt;
  return ScaledInteger(*number, {3, Rounding::HalfUp, 1'000'000'000'000'000});
}

}  // namespace vorn
