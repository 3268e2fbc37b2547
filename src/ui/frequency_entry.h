#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/locale.h"

namespace vorn {

// What the frequency entry needs from the window that holds the field. All
// members must be set.
struct FrequencyEntryHost {
  std::function<std::string()> Text;  // the field's current text
  // Keys the text into the receiver; false when the receiver was not reached.
  std::function<bool(const std::string&)> KeyInFrequency;
  // A text that is not a frequency in range.
  std::function<void()> BeepAndFlash;
  // The receiver was not reached: told in words, not by the beep of a bad text.
  std::function<void()> ReceiverFailed;
  std::function<bool()> AutoHideChecked;
  std::function<void()> HideWindow;
  std::function<void()> SelectAll;
};

// The separator a foreign keyboard habit would type instead of the locale's.
char OtherSeparatorFor(char decimal_separator);

// The text that Enter keys for the field's `text`: stripped at both ends of
// codes up to 32, the first `other_separator` turned into `decimal_separator`.
// Nothing unless that is digits with at most one decimal separator (a lone
// separator reads as 0) and its value, rounded to single precision, is at
// most 40000. Signs and exponents are refused: the text is keyed button by
// button, so the value checked must be the value keyed.
std::optional<std::string> PrepareFrequency(std::string_view text, char decimal_separator,
                                            char other_separator);

// The key filter and Enter handling of the frequency field `Edit1`.
class FrequencyEntry {
 public:
  // Reads the locale's decimal separator and fixes OtherSeparator from it.
  FrequencyEntry(Locale& locale, FrequencyEntryHost host);

  // Called for every character typed while the field is in frequency entry
  // mode; sets `key` to 0 to discard the character. The field's own text is
  // never changed here.
  void Edit1KeyPress(char& key);

  // The system announced changed settings: read the decimal separator again.
  // OtherSeparator keeps the value it got at start.
  void SettingsChanged() { decimal_separator_ = locale_.DecimalSeparator(); }

  char DecimalSeparator() const { return decimal_separator_; }
  char OtherSeparator() const { return other_separator_; }

 private:
  void Enter();

  Locale& locale_;
  FrequencyEntryHost host_;
  char decimal_separator_;
  char other_separator_;
};

}  // namespace vorn
