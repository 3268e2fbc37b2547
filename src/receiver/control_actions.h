#pragma once

#include <cstdint>
#include <string>

#include "platform/station_rows.h"
#include "receiver/get_handles.h"

namespace vorn {

inline constexpr std::uint32_t kWmLButtonDown = 0x0201;
inline constexpr std::uint32_t kWmLButtonUp = 0x0202;
// Both button messages carry the position x = 4, y = 4 in the control.
inline constexpr std::intptr_t kClickPosition = 4 | (4 << 16);

// Every action returns false when the receiver program could not be reached:
// a press failed or timed out, or its controls were gone and could not be
// found again. A caption without a control is not a failure: nothing is pressed.

// Keys a frequency in kHz into the keypad, character by character, then confirms.
bool KeyInFrequency(ReceiverLink& link, const std::string& text);
// Keys a frequency in Hz with the fewest digits that hold it.
bool KeyInHz(ReceiverLink& link, std::int64_t hz);
bool SelectDemodulator(ReceiverLink& link, const std::string& text);
bool SelectBandwidth(ReceiverLink& link, const std::string& text);
// Frequency, then demodulator, then bandwidth.
bool TuneToStation(ReceiverLink& link, const StationRow& row);

// The main window's caption for a bandwidth text: "1.6 kHz" is "1.6kHz".
std::string BandwidthCaption(const std::string& text);

}  // namespace vorn
