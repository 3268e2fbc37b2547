#pragma once

// A US keyboard as the sim's keystrokes use it: the virtual keys the sim's
// controls and dialogs act on, the key that types a character and the
// character a key types.

#include <optional>

#include "platform/toolkit.h"

namespace vorn {

namespace sim_keys {
inline constexpr VirtualKey kBack = 8;
inline constexpr VirtualKey kTab = 9;
inline constexpr VirtualKey kReturn = 13;
inline constexpr VirtualKey kEscape = 27;
inline constexpr VirtualKey kSpace = 32;
inline constexpr VirtualKey kPageUp = 33;
inline constexpr VirtualKey kPageDown = 34;
inline constexpr VirtualKey kEnd = 35;
inline constexpr VirtualKey kHome = 36;
inline constexpr VirtualKey kUp = 38;
inline constexpr VirtualKey kDown = 40;
inline constexpr VirtualKey kDelete = 46;
inline constexpr VirtualKey kNumpad0 = 0x60;
inline constexpr VirtualKey kMultiply = 0x6A;
inline constexpr VirtualKey kAdd = 0x6B;
inline constexpr VirtualKey kSubtract = 0x6D;
inline constexpr VirtualKey kDecimal = 0x6E;
inline constexpr VirtualKey kDivide = 0x6F;
}  // namespace sim_keys

// The key that types a character on a US keyboard, with its shift state; 0
// when no key does.
VirtualKey SimKeyOf(char c, ShiftState& shift);
// The character a key types; nothing for keys that type none.
std::optional<char> SimCharacterOf(VirtualKey key, ShiftState shift);

}  // namespace vorn
