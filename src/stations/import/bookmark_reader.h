#pragma once

#include <string_view>

#include "platform/code_page.h"
#include "stations/import/imported_rows.h"

namespace vorn {

// A ';'-separated bookmarks file: a tag section ("# Tag name ; color" and its
// lines), then after the header "# Frequency ; Name ; Modulation ; Bandwidth ;
// Tags" one bookmark a line, frequency and bandwidth in Hz. Lines starting
// with '#' are headers. A bookmark without a tunable frequency is skipped; one
// without a bandwidth gets its demodulator's default. Names come in the ANSI
// code page (see AnsiImportText).
ImportedRows ReadBookmarks(std::string_view text, const CodePage& code_page);

}  // namespace vorn
