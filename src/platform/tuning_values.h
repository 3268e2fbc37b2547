#pragma once

// The values a station row holds and the receiver takes, at the bottom of the
// layers: the list, the importers, the receiver link and remote control share them.

#include <array>
#include <cstdint>
#include <string>

#include "platform/station_rows.h"

namespace vorn {

// The receiver's bandwidth choices, widest first, as the entry dialog offers
// them and as station rows carry them.
struct BandwidthChoice {
  const char* Text;
  std::int64_t Hz;
};
inline constexpr std::array<BandwidthChoice, 7> kBandwidthChoices = {{{"50 kHz", 50000},
                                                                      {"25 kHz", 25000},
                                                                      {"12 kHz", 12000},
                                                                      {"6 kHz", 6000},
                                                                      {"3 kHz", 3000},
                                                                      {"1.6 kHz", 1600},
                                                                      {"0.8 kHz", 800}}};

// The receiver's demodulator buttons, in the entry dialog's order.
inline constexpr std::array<const char*, 9> kDemodulators = {"AM",  "SAM", "CW",  "RTTY", "LSB",
                                                             "USB", "FM",  "DRM", "USER"};

// A frequency in Hz as the keypad takes it: kHz with the fewest digits that
// hold it exactly (7100000 is "7100", 7100500 "7100.5", 7100001 "7100.001").
std::string KeypadTextFromHz(std::int64_t hz);

// The narrowest bandwidth choice at least `hz` wide; the widest when none is.
const BandwidthChoice& BandwidthForPassband(std::int64_t hz);

// The width of a bandwidth text ("12 kHz", "1.6kHz", "12"), or 0 when it names none.
std::int64_t BandwidthHz(const std::string& text);

}  // namespace vorn
