#include "remote/receiver_rig.h"

#include "receiver/control_actions.h"

namespace vorn {

namespace {

RemoteOutcome Reached(bool reached) {
  return reached ? RemoteOutcome::Done : RemoteOutcome::NotReached;
}

}  // namespace

RemoteOutcome ReceiverRig::KeyInHz(std::int64_t hz) {
  return Reached(vorn::KeyInHz(link_, hz));
}

RemoteOutcome ReceiverRig::Select(const RadioMode* mode, const BandwidthChoice* width) {
  // Without its controls the receiver program is not running, whatever it has.
  if (!link_.Linked() && !link_.Rediscover()) return RemoteOutcome::NotReached;
  if (link_.Controls(Table::Main).empty()) return RemoteOutcome::NotReached;
  // A station row's caption without a button presses nothing and is no
  // failure; a client, though, must not be told that a mode was taken that
  // the receiver never showed.
  const bool missing = (mode && !link_.Lookup(Table::Main, mode->Demodulator)) ||
                       (width && !link_.Lookup(Table::Main, BandwidthCaption(width->Text)));
  if (missing) return RemoteOutcome::NotAvailable;
  if (mode) {
    if (!SelectDemodulator(link_, mode->Demodulator)) return RemoteOutcome::NotReached;
    link_.Tuned().Variant = mode->Variant;
  }
  return Reached(!width || SelectBandwidth(link_, width->Text));
}

}  // namespace vorn
