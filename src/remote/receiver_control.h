#pragma once

#include <cstdint>

#include "platform/tuning_values.h"
#include "receiver/tuned_state.h"

namespace vorn {

// How a remote request went, in no protocol's words; each protocol answers
// it in its own.
enum class RemoteOutcome {
  Done,
  Invalid,       // a value the receiver cannot take
  NotReached,    // the receiver program did not answer, or is not running
  NotAvailable,  // the receiver has no such button, or nothing to do it with
};

// What the protocols ask of the receiver: presses, and the record of what
// was last tuned from any source.
class ReceiverControl {
 public:
  virtual ~ReceiverControl() = default;

  // Keys a frequency, in Hz.
  virtual RemoteOutcome KeyInHz(std::int64_t hz) = 0;
  // Presses the mode's demodulator button, when `mode` is given, then the
  // bandwidth button, when `width` is. When the receiver lacks either button
  // nothing is pressed and nothing recorded: NotAvailable.
  virtual RemoteOutcome Select(const RadioMode* mode, const BandwidthChoice* width) = 0;
  virtual const TunedState& Tuned() const = 0;
};

}  // namespace vorn
