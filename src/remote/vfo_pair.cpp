#include "remote/vfo_pair.h"

namespace vorn {

VfoValues VfoPair::Values(Vfo vfo) const {
  const TunedState& tuned = receiver_.Tuned();
  VfoValues values{tuned.FrequencyHz, tuned.Mode(), tuned.BandwidthHz};
  if (vfo == Vfo::A) return values;
  if (frequency_b_) values.FrequencyHz = *frequency_b_;
  if (mode_b_) {
    values.Mode = *mode_b_;
    values.PassbandHz = passband_b_;
  }
  return values;
}

RemoteOutcome VfoPair::SetFrequency(Vfo vfo, std::int64_t hz) {
  if (hz < 0 || hz > kMaxFrequencyKhz * 1000) return RemoteOutcome::Invalid;
  if (vfo == Vfo::A) return receiver_.KeyInHz(hz);
  frequency_b_ = hz;
  return RemoteOutcome::Done;
}

RemoteOutcome VfoPair::SetMode(Vfo vfo, const RadioMode& mode, const BandwidthChoice* width) {
  if (vfo == Vfo::A) return receiver_.Select(&mode, width);
  passband_b_ = width ? width->Hz : Values(Vfo::B).PassbandHz;
  mode_b_ = mode;
  return RemoteOutcome::Done;
}

RemoteOutcome VfoPair::SetWidth(Vfo vfo, const BandwidthChoice& width) {
  if (vfo == Vfo::A) return receiver_.Select(nullptr, &width);
  mode_b_ = Values(Vfo::B).Mode;
  passband_b_ = width.Hz;
  return RemoteOutcome::Done;
}

}  // namespace vorn
