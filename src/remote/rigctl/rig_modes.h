#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "receiver/tuned_state.h"

namespace vorn {

// The mode bits of the protocol for every mode name the receiver takes (AM up
// to PKTFM are bits 0 to 12, PKTAM is bit 22).
inline constexpr std::uint64_t kRigModeBits = 0x1fff | (std::uint64_t{1} << 22);

// The mode a protocol mode name stands for ("AMS" is SAM, "PKTUSB" is USB
// for data); nothing for a name the receiver has no button for.
std::optional<RadioMode> RadioModeOfName(std::string_view name);

// The protocol's name for a mode: the name it was set by, or else the first
// name of its demodulator; "None" for a button no name stands for, and
// before the first tuning.
std::string RigModeName(const RadioMode& mode);

}  // namespace vorn
