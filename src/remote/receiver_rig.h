#pragma once

#include "receiver/get_handles.h"
#include "remote/receiver_control.h"

namespace vorn {

// The protocols' requests carried out through the receiver link, with the
// same presses as a typed frequency or a station row.
class ReceiverRig : public ReceiverControl {
 public:
  explicit ReceiverRig(ReceiverLink& link) : link_(link) {}

  RemoteOutcome KeyInHz(std::int64_t hz) override;
  RemoteOutcome Select(const RadioMode* mode, const BandwidthChoice* width) override;
  const TunedState& Tuned() const override { return link_.Tuned(); }

 private:
  ReceiverLink& link_;
};

}  // namespace vorn
