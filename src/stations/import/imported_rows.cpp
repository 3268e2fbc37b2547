#include "stations/import/imported_rows.h"

#include <utility>

#include "platform/tuning_values.h"
#include "stations/import/demodulator_mapping.h"

namespace vorn {

StationRow ImportedRow(std::int64_t hz, const char* demodulator, std::int64_t passband_hz,
                       std::string name) {
  const BandwidthChoice& bandwidth =
      passband_hz > 0 ? BandwidthForPassband(passband_hz) : DefaultBandwidth(demodulator);
  return {KeypadTextFromHz(hz), bandwidth.Text, demodulator, std::move(name)};
}

}  // namespace vorn
