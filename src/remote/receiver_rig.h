#pragma once

#include "receiver/get_handles.h"
#include "remote/rig_control.h"

namespace vorn {

// The protocol's requests carried out through the receiver link, with the
// same presses as a typed frequency or a station row.
class ReceiverRig : public RigControl {
 public:
  explicit ReceiverRig(ReceiverLink& link) : link_(link) {}

  bool KeyInHz(std::int64_t hz) override;
  bool SelectMode(const std::string& mode, const std::string& demodulator,
                  const std::string& bandwidth) override;
  TunedState Tuned() const override { return link_.Tuned(); }

 private:
  ReceiverLink& link_;
};

}  // namespace vorn
