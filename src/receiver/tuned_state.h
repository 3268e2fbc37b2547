#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorn {

// What Vorn last tuned the receiver to, from any source. The receiver program
// is never asked: this is the record of presses that went through.
struct TunedState {
  std::int64_t FrequencyHz = 0;  // 0 before the first
  std::string Demodulator;       // the button's caption; empty before the first
  std::int64_t BandwidthHz = 0;  // 0 before the first
  // The remote-control mode name the demodulator was pressed for ("PKTUSB"
  // for USB); empty once another demodulator is pressed.
  std::string Mode;
};

// The frequency in Hz of a text keyed in kHz ("7100.5", "7100,5", "."),
// rounded to 1 Hz; nothing when it is not digits with at most one separator.
std::optional<std::int64_t> HzFromKeypadText(const std::string& text);

}  // namespace vorn
