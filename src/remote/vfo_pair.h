#pragma once

#include <cstdint>
#include <optional>

#include "remote/receiver_control.h"

namespace vorn {

enum class Vfo { A, B };

// What a VFO holds, as the protocols report it.
struct VfoValues {
  std::int64_t FrequencyHz = 0;
  RadioMode Mode;
  std::int64_t PassbandHz = 0;
};

// One client's two VFOs. VFO A is the receiver: what Vorn tuned from any
// source. VFO B tunes nothing; it holds what the client set on it, and VFO
// A's values until then. Reads press nothing.
class VfoPair {
 public:
  explicit VfoPair(ReceiverControl& receiver) : receiver_(receiver) {}

  Vfo Selected() const { return selected_; }
  void Select(Vfo vfo) { selected_ = vfo; }

  VfoValues Values(Vfo vfo) const;
  // 0 to the keypad's highest frequency; Invalid beyond.
  RemoteOutcome SetFrequency(Vfo vfo, std::int64_t hz);
  // The demodulator and, when given, the bandwidth; without one the
  // bandwidth stays as it is.
  RemoteOutcome SetMode(Vfo vfo, const RadioMode& mode, const BandwidthChoice* width);
  RemoteOutcome SetWidth(Vfo vfo, const BandwidthChoice& width);

 private:
  ReceiverControl& receiver_;
  Vfo selected_ = Vfo::A;
  std::optional<std::int64_t> frequency_b_;
  // Set together, with the first mode or width set on VFO B.
  std::optional<RadioMode> mode_b_;
  std::int64_t passband_b_ = 0;
};

}  // namespace vorn
