#pragma once

#include <string_view>

#include "platform/code_page.h"
#include "stations/import/imported_rows.h"

namespace vorn {

// A comma-separated channel list whose header names its columns
// ("Location,Name,Frequency,…,Mode,…"); the frequency in MHz, fields in double
// quotes may hold commas. Channels above the keypad's range, or without a
// readable frequency, are skipped; every channel gets its demodulator's
// default bandwidth. Names come in the ANSI code page (see AnsiImportText).
ImportedRows ReadChannels(std::string_view text, const CodePage& code_page);

}  // namespace vorn
