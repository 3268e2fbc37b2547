#pragma once

#include <string_view>

#include "stations/import/imported_rows.h"

namespace vorn {

// A ';'-separated bookmarks file: a tag section ("# Tag name ; color" and its
// lines), then after the header "# Frequency ; Name ; Modulation ; Bandwidth ;
// Tags" one bookmark a line, frequency and bandwidth in Hz. Lines starting
// with '#' are headers. A bookmark without a tunable frequency is skipped; one
// without a bandwidth gets its demodulator's default.
ImportedRows ReadBookmarks(std::string_view text);

}  // namespace vorn
