// Frequencies between text and Hz: whatever text the readers take, the Hz it
// gives come back from the keypad's spelling unchanged, and every reader
// agrees on that spelling.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/tuning_values.h"
#include "receiver/tuned_state.h"
#include "remote/rigctl/rig_requests.h"
#include "stations/import/decimal_hz.h"
#include "ui/frequency_entry.h"

namespace {

using namespace vorn;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

constexpr std::int64_t kMaxHz = kMaxFrequencyKhz * 1000;

// The keypad's spelling of `hz` (0 or more) reads as `hz` by every reader
// that takes it.
void CheckSpelling(std::int64_t hz) {
  const std::string keypad = KeypadTextFromHz(hz);
  Check(HzFromKeypadText(keypad) == hz);
  if (hz > 0 && hz <= kMaxHz) Check(TunableHz(keypad, FrequencyUnit::KHz) == hz);
  if (hz >= 0 && hz <= kMaxHz) Check(PrepareFrequency(keypad, '.', ',') == keypad);
  // Remote numbers stop short of 16 digits.
  if (hz < 1'000'000'000'000'000) Check(ParseRigNumber(std::to_string(hz)) == hz);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);

  if (const auto hz = HzFromKeypadText(text)) CheckSpelling(*hz);
  for (FrequencyUnit unit : {FrequencyUnit::Hz, FrequencyUnit::KHz, FrequencyUnit::MHz}) {
    if (const auto hz = TunableHz(text, unit)) {
      Check(*hz > 0 && *hz <= kMaxHz);
      CheckSpelling(*hz);
    }
  }
  if (const auto hz = ParseRigNumber(text)) {
    Check(ParseRigNumber(std::to_string(*hz)) == hz);
    if (*hz >= 0) CheckSpelling(*hz);
  }
  // What Enter keys is always a frequency the record can read.
  for (const char separator : {'.', ','}) {
    if (const auto keyed = PrepareFrequency(text, separator, OtherSeparatorFor(separator)))
      Check(HzFromKeypadText(*keyed).has_value());
  }
  if (const std::int64_t width = BandwidthHz(text); width != 0) CheckSpelling(width);

  // The bytes as a frequency in Hz, up to far beyond the keypad.
  if (size >= sizeof(std::uint64_t)) {
    std::uint64_t hz;
    std::memcpy(&hz, data, sizeof hz);
    CheckSpelling(static_cast<std::int64_t>(hz % (kMaxHz * 1000)));
  }
  return 0;
}
