// The settings file's integer reading rules, against a second, plainer
// reading of the same rules and a round trip through both spellings.
#include <charconv>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

std::optional<std::int32_t> Reference(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  for (std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
    if (text.starts_with(prefix)) {
      base = 16;
      text.remove_prefix(prefix.size());
      break;
    }
  }
  // from_chars takes no sign or prefix of its own here.
  if (text.empty() || text.front() == '-' || text.front() == '+') return std::nullopt;
  std::uint64_t magnitude = 0;
  const auto [end, error] =
      std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (magnitude > (std::uint64_t{1} << 32)) return std::nullopt;
  const std::int64_t value =
      negative ? -static_cast<std::int64_t>(magnitude) : static_cast<std::int64_t>(magnitude);
  if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::string Hex(std::int32_t value) {
  const std::int64_t wide = value;
  const std::uint64_t magnitude = static_cast<std::uint64_t>(wide < 0 ? -wide : wide);
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, magnitude, 16).ptr;
  return (wide < 0 ? "-$" : "$") + std::string(digits, end);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<std::int32_t> value = vorn::ParseProfileInt(text);
  Check(value == Reference(text));
  if (value) {
    Check(vorn::ParseProfileInt(std::to_string(*value)) == value);
    Check(vorn::ParseProfileInt(Hex(*value)) == value);
  }
  return 0;
}
