#include "remote/receiver_rig.h"

#include "receiver/control_actions.h"

namespace vorn {

bool ReceiverRig::KeyInHz(std::int64_t hz) {
  return vorn::KeyInHz(link_, hz);
}

bool ReceiverRig::SelectMode(const std::string& mode, const std::string& demodulator,
                             const std::string& bandwidth) {
  if (!SelectDemodulator(link_, demodulator)) return false;
  link_.Tuned().Mode = mode;
  return bandwidth.empty() || SelectBandwidth(link_, bandwidth);
}

}  // namespace vorn
