#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The mode bits of the protocol for every mode name the receiver takes (AM up
// to PKTFM are bits 0 to 12, PKTAM is bit 22).
inline constexpr std::uint64_t kRigModeBits = 0x1fff | (std::uint64_t{1} << 22);

// The demodulator button for a protocol mode name ("AMS" is "SAM"); nothing
// for a mode the receiver has no button for.
std::optional<std::string> DemodulatorForMode(std::string_view mode);

// The protocol's mode name for a demodulator button; "None" for a button no
// mode name stands for, and before the first tuning.
std::string ModeForDemodulator(std::string_view demodulator);

}  // namespace vorn
