#pragma once

#include <string_view>

namespace vorn {

// The kinds of file Import List reads, told apart by their first line that
// holds more than blanks.
enum class ImportFormat {
  Unknown,
  Schedule,   // "kHz:75;Time(UTC):93;Days:59;…"
  Bookmarks,  // "# Tag name ; color" or "# Frequency ; Name ; …"
  Channels,   // "Location,Name,Frequency,…"
};

ImportFormat RecogniseImportFormat(std::string_view text);

}  // namespace vorn
