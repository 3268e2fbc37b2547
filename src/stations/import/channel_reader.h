#pragma once

#include <string_view>

#include "stations/import/imported_rows.h"

namespace vorn {

// A comma-separated channel list whose header names its columns
// ("Location,Name,Frequency,…,Mode,…"); the frequency in MHz, fields in double
// quotes may hold commas. Channels above the keypad's range, or without a
// readable frequency, are skipped; every channel gets its demodulator's
// default bandwidth.
ImportedRows ReadChannels(std::string_view text);

}  // namespace vorn
