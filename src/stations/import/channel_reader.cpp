#include "stations/import/channel_reader.h"

#include <optional>
#include <string>
#include <vector>

#include "stations/import/decimal_hz.h"
#include "stations/import/demodulator_mapping.h"
#include "stations/import/import_lines.h"
#include "stations/import/text_fields.h"

namespace vorn {

namespace {

std::optional<std::size_t> ColumnOf(const std::vector<std::string>& header, std::string_view name) {
  for (std::size_t i = 0; i < header.size(); ++i)
    if (EqualsIgnoringCase(TrimBlanks(header[i]), name)) return i;
  return std::nullopt;
}

}  // namespace

ImportedRows ReadChannels(std::string_view text, const CodePage& code_page) {
  const std::string ansi = AnsiImportText(text, code_page);
  ImportedRows imported;
  ImportLines lines(ansi);
  std::string_view line;
  std::vector<std::string> fields;
  if (!lines.Next(line) || !SplitCommaQuoted(line, fields)) return imported;
  const auto name = ColumnOf(fields, "Name");
  const auto frequency = ColumnOf(fields, "Frequency");
  const auto mode = ColumnOf(fields, "Mode");
  while (lines.Next(line)) {
    std::optional<std::int64_t> hz;
    if (frequency && SplitCommaQuoted(line, fields) && *frequency < fields.size())
      hz = TunableHz(fields[*frequency], FrequencyUnit::MHz);
    if (!hz) {
      ++imported.Skipped;
      continue;
    }
    const auto field = [&](std::optional<std::size_t> column) {
      return column && *column < fields.size() ? TrimBlanks(fields[*column]) : std::string_view();
    };
    imported.Rows.push_back(
        ImportedRow(*hz, DemodulatorForMode(field(mode)), 0, std::string(field(name))));
  }
  return imported;
}

}  // namespace vorn
