#include "receiver/control_actions.h"

#include "platform/decimal_text.h"
#include "platform/tuning_values.h"

namespace vorn {

namespace {

// Presses controls for one action. When a stored handle no longer names its
// control (the receiver program was closed or restarted), both searches run
// again, once per action; a stale handle is never pressed.
class Presser {
 public:
  explicit Presser(ReceiverLink& link) : link_(link) {}

  bool Press(Table table, const std::string& caption) {
    // Not linked (not found at start, or gone at an earlier action): look
    // for the receiver program before anything is pressed.
    if (!link_.Linked() && !Rediscover()) return false;
    auto handle = link_.Lookup(table, caption);
    if (handle && !link_.StillValid(*handle, caption)) {
      if (!Rediscover()) return false;
      handle = link_.Lookup(table, caption);
      if (handle && !link_.StillValid(*handle, caption)) return false;
    }
    if (!handle) return true;
    WindowTree& tree = link_.Tree();
    return tree.Send(*handle, kWmLButtonDown, 0, kClickPosition) &&
           tree.Send(*handle, kWmLButtonUp, 0, kClickPosition);
  }

  // Raised once the action is over.
  bool Done(bool reached) {
    if (link_.OnTuning) link_.OnTuning();
    return reached;
  }

 private:
  bool Rediscover() {
    if (rediscovered_) return false;
    rediscovered_ = true;
    return link_.Rediscover();
  }

  ReceiverLink& link_;
  bool rediscovered_ = false;
};

// Keys `text`; the record takes `hz` when the caller knows it, or else what
// the text reads as.
bool KeyIn(Presser& presser, ReceiverLink& link, const std::string& text,
           std::optional<std::int64_t> hz = std::nullopt) {
  const std::string digits(TrimChars(text, kControlsAndSpace));
  if (digits.empty()) return true;
  for (char c : digits) {
    const std::string caption = (c == ',' || c == '.') ? "." : std::string(1, c);
    if (!presser.Press(Table::Keypad, caption)) return false;
  }
  if (!presser.Press(Table::Keypad, link.KeypadConfirm())) return false;
  if (!hz) hz = HzFromKeypadText(digits);
  if (hz) link.Tuned().FrequencyHz = *hz;
  return true;
}

bool PressDemodulator(Presser& presser, ReceiverLink& link, const std::string& text) {
  if (!presser.Press(Table::Main, text)) return false;
  if (link.Tuned().Demodulator != text) link.Tuned().Variant = ModeVariant::Plain;
  link.Tuned().Demodulator = text;
  return true;
}

bool PressBandwidth(Presser& presser, ReceiverLink& link, const std::string& text) {
  if (!presser.Press(Table::Main, BandwidthCaption(text))) return false;
  if (const std::int64_t hz = BandwidthHz(text); hz > 0) link.Tuned().BandwidthHz = hz;
  return true;
}

}  // namespace

std::string BandwidthCaption(const std::string& text) {
  std::string caption = text;
  if (caption.find('.') != std::string::npos) {
    const auto space = caption.find(' ');
    if (space != std::string::npos) caption.erase(space, 1);
  }
  return caption;
}

bool KeyInFrequency(ReceiverLink& link, const std::string& text) {
  Presser presser(link);
  return presser.Done(KeyIn(presser, link, text));
}

bool KeyInHz(ReceiverLink& link, std::int64_t hz) {
  Presser presser(link);
  return presser.Done(KeyIn(presser, link, KeypadTextFromHz(hz), hz));
}

bool SelectDemodulator(ReceiverLink& link, const std::string& text) {
  Presser presser(link);
  return presser.Done(PressDemodulator(presser, link, text));
}

bool SelectBandwidth(ReceiverLink& link, const std::string& text) {
  Presser presser(link);
  return presser.Done(PressBandwidth(presser, link, text));
}

bool TuneToStation(ReceiverLink& link, const StationRow& row) {
  Presser presser(link);
  return presser.Done(KeyIn(presser, link, row.Frequency) &&
                      PressDemodulator(presser, link, row.Demodulator) &&
                      PressBandwidth(presser, link, row.Bandwidth));
}

}  // namespace vorn
