#pragma once

#include <string>
#include <vector>

#include "platform/tuning_values.h"
#include "remote/receiver_control.h"

namespace vorn {

// Records what the protocol asked for and answers like a receiver that
// always takes the presses, unless told it is gone.
class FakeRig : public ReceiverControl {
 public:
  RemoteOutcome KeyInHz(std::int64_t hz) override {
    calls.push_back("key " + KeypadTextFromHz(hz));
    if (reachable) tuned.FrequencyHz = hz;
    return reachable ? RemoteOutcome::Done : RemoteOutcome::NotReached;
  }
  RemoteOutcome Select(const RadioMode* mode, const BandwidthChoice* width) override {
    calls.push_back("mode " + (mode ? mode->Demodulator : "") + "/" + (width ? width->Text : ""));
    if (!reachable) return RemoteOutcome::NotReached;
    if (mode) {
      tuned.Demodulator = mode->Demodulator;
      tuned.Variant = mode->Variant;
    }
    if (width) tuned.BandwidthHz = width->Hz;
    return RemoteOutcome::Done;
  }
  const TunedState& Tuned() const override { return tuned; }

  std::vector<std::string> calls;
  TunedState tuned;
  bool reachable = true;
};

}  // namespace vorn
