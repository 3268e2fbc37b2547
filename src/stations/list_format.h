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
// The same, appended to `out`.
void AppendSerialisedRow(std::string& out, const StationRow& row);

// The lines of a file's text, one after the other. CR LF, a lone CR and a
// lone LF each end a line; an ending at the very end adds no empty line; the
// first zero byte ends the text.
class LineReader {
 public:
  explicit LineReader(std::string_view text);
  // False when no line is left.
  bool Next(std::string_view& line);

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

std::vector<std::string_view> SplitLines(std::string_view text);

// The fields of one line, delimited by ';', with '"' as the quote character.
// Every character with code 1 to 32 counts as a blank.
std::vector<std::string> SplitDelimited(std::string_view line);
// The same into `fields`, replacing what it held.
void SplitDelimited(std::string_view line, std::vector<std::string>& fields);

}  // namespace vorn
