#include "stations/import/bookmark_reader.h"

#include <string>

#include "stations/import/decimal_hz.h"
#include "stations/import/demodulator_mapping.h"
#include "stations/import/import_lines.h"
#include "stations/import/text_fields.h"

namespace vorn {

namespace {

enum Column { kFrequency, kName, kModulation, kBandwidth };

// "# Frequency ; Name ; …" ends the tag section.
bool IsBookmarkHeader(std::string_view line) {
  line = TrimBlanks(line);
  line.remove_prefix(1);
  return TrimBlanks(line).starts_with("Frequency");
}

}  // namespace

ImportedRows ReadBookmarks(std::string_view text, const CodePage& code_page) {
  const std::string ansi = AnsiImportText(text, code_page);
  ImportedRows imported;
  ImportLines lines(ansi);
  bool in_tags = true;
  for (std::string_view line; lines.Next(line);) {
    if (TrimBlanks(line).starts_with('#')) {
      if (IsBookmarkHeader(line)) in_tags = false;
      continue;
    }
    if (in_tags) continue;
    const std::vector<std::string_view> fields = SplitTrimmed(line, ';');
    const auto hz = TunableHz(fields[kFrequency], FrequencyUnit::Hz);
    if (!hz || fields.size() <= kName) {
      ++imported.Skipped;
      continue;
    }
    const char* demodulator =
        DemodulatorForMode(fields.size() > kModulation ? fields[kModulation] : "");
    // A width that is no whole number of Hz counts as none.
    const std::int64_t passband = fields.size() > kBandwidth
                                      ? TunableHz(fields[kBandwidth], FrequencyUnit::Hz).value_or(0)
                                      : 0;
    imported.Rows.push_back(ImportedRow(*hz, demodulator, passband, std::string(fields[kName])));
  }
  return imported;
}

}  // namespace vorn
