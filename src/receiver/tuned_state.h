#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vorn {

// What a radio program may ask for beyond the demodulator: the receiver
// presses the same button for it, and the variant is only reported back.
enum class ModeVariant { Plain, Reverse, Data, Wide };

// A mode in no protocol's words: the demodulator button and its variant.
struct RadioMode {
  std::string Demodulator;
  ModeVariant Variant = ModeVariant::Plain;
  bool operator==(const RadioMode&) const = default;
};

// What Vorn last tuned the receiver to, from any source. The receiver program
// is never asked: this is the record of presses that went through.
struct TunedState {
  std::int64_t FrequencyHz = 0;  // 0 before the first
  std::string Demodulator;       // the button's caption; empty before the first
  std::int64_t BandwidthHz = 0;  // 0 before the first
  // The variant a remote client pressed the demodulator for (data for USB);
  // plain once another demodulator is pressed.
  ModeVariant Variant = ModeVariant::Plain;

  RadioMode Mode() const { return {Demodulator, Variant}; }
};

// The frequency in Hz of a text keyed in kHz ("7100.5", "7100,5", "."),
// rounded to 1 Hz; nothing when it is not digits with at most one separator.
std::optional<std::int64_t> HzFromKeypadText(const std::string& text);

}  // namespace vorn
