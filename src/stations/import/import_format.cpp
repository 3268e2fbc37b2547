#include "stations/import/import_format.h"

#include <string>
#include <vector>

#include "stations/import/import_lines.h"
#include "stations/import/text_fields.h"

namespace vorn {

ImportFormat RecogniseImportFormat(std::string_view text) {
  const std::string_view first = TrimBlanks(FirstImportLine(text));
  if (first.starts_with("kHz:")) {
    const std::vector<std::string_view> fields = SplitTrimmed(first, ';');
    if (fields.size() > 1 && fields[1].starts_with("Time(UTC)")) return ImportFormat::Schedule;
  }
  if (first.starts_with('#')) {
    const std::string_view header = TrimBlanks(first.substr(1));
    if (header.starts_with("Tag name") || header.starts_with("Frequency"))
      return ImportFormat::Bookmarks;
  }
  std::vector<std::string> fields;
  if (SplitCommaQuoted(first, fields) && fields.size() > 2 &&
      EqualsIgnoringCase(TrimBlanks(fields[0]), "Location") &&
      EqualsIgnoringCase(TrimBlanks(fields[1]), "Name") &&
      EqualsIgnoringCase(TrimBlanks(fields[2]), "Frequency"))
    return ImportFormat::Channels;
  return ImportFormat::Unknown;
}

}  // namespace vorn
