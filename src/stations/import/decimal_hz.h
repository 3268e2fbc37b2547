#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorn {

// The unit a file gives its frequencies in, as a power of ten of Hz.
enum class FrequencyUnit { Hz = 0, KHz = 3, MHz = 6 };

// A frequency written as decimal text ("7325.5" kHz, "7.1" MHz, "7100000" Hz)
// in whole Hz, computed from the digits so that no rounding creeps in. Blanks
// around the number are allowed. Empty when the text is no such number, is
// finer than 1 Hz, or lies outside what the keypad takes (above 0 Hz, at most
// 40000 kHz).
std::optional<std::int64_t> TunableHz(std::string_view text, FrequencyUnit unit);

}  // namespace vorn
