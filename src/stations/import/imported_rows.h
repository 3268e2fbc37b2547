#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/station_rows.h"

namespace vorn {

// The stations read from a file, and how many of its lines could not be read.
struct ImportedRows {
  std::vector<StationRow> Rows;
  std::size_t Skipped = 0;
};

// A row as the keypad and the receiver's buttons take it: the frequency in kHz
// with the fewest digits, the narrowest bandwidth choice at least
// `passband_hz` wide (the demodulator's default when that is 0).
StationRow ImportedRow(std::int64_t hz, const char* demodulator, std::int64_t passband_hz,
                       std::string name);

}  // namespace vorn
