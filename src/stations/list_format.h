#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/station_rows.h"

namespace vorn {

// Bandwidths read from a file are shown with this ending; it is taken off
// again when a row is written.
inline constexpr std::string_view kBandwidthSuffix = " kHz";

// The row's line in a station list file, without line ending: frequency,
// bandwidth (without " kHz") and demodulator right-aligned and cut to 9, 4
// and 5 characters, then the whole name in double quotes, every double quote
// inside it doubled.
std::string SerialiseRow(const StationRow& row);

// The lines of a file's text. CR LF, a lone CR and a lone LF each end a line;
// the first zero byte ends the text.
std::vector<std::string_view> SplitLines(std::string_view text);

// The fields of one line, delimited by ';', with '"' as the quote character.
// Every character with code 1 to 32 counts as a blank.
std::vector<std::string> SplitDelimited(std::string_view line);

}  // namespace vorn
