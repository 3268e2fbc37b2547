#pragma once

#include <cstdint>
#include <string>

#include "receiver/tuned_state.h"

namespace vorn {

// What the remote-control protocol asks of the receiver.
class RigControl {
 public:
  virtual ~RigControl() = default;

  // Keys a frequency, in Hz. False when the receiver program was not reached.
  virtual bool KeyInHz(std::int64_t hz) = 0;
  // Presses a demodulator button for the protocol's `mode`, then a bandwidth
  // button unless `bandwidth` is empty; the record keeps the mode's name.
  // False when the receiver program was not reached.
  virtual bool SelectMode(const std::string& mode, const std::string& demodulator,
                          const std::string& bandwidth) = 0;
  virtual TunedState Tuned() const = 0;
};

}  // namespace vorn
