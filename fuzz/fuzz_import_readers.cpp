// The import readers on any text: whatever they make of it is a row the
// receiver can be tuned to, and names survive the list file.
#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/sim/sim_code_page.h"
#include "platform/sim/sim_station_rows.h"
#include "platform/tuning_values.h"
#include "stations/import/bookmark_reader.h"
#include "stations/import/channel_reader.h"
#include "stations/import/decimal_hz.h"
#include "stations/import/import_format.h"
#include "stations/import/schedule_reader.h"
#include "stations/list_format.h"
#include "stations/row_finder.h"

namespace {

using namespace vorn;

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

void CheckRows(const ImportedRows& imported, std::size_t lines) {
  Check(imported.Rows.size() + imported.Skipped <= lines);
  for (const StationRow& row : imported.Rows) {
    Check(TunableHz(row.Frequency, FrequencyUnit::KHz).has_value());
    Check(std::any_of(kBandwidthChoices.begin(), kBandwidthChoices.end(),
                      [&](const BandwidthChoice& c) { return row.Bandwidth == c.Text; }));
    Check(std::any_of(kDemodulators.begin(), kDemodulators.end(),
                      [&](const char* d) { return row.Demodulator == d; }));
    const std::vector<std::string> fields = SplitDelimited(SerialiseRow(row));
    // A zero byte ends a list file's text, and so the name read back.
    Check(fields.size() == 4 && fields[3] == row.Name.substr(0, row.Name.find('\0')));
  }
}

// The folded search, done the slow way.
bool NaiveContains(std::string_view text, std::string_view needle) {
  const auto fold = [](char c) {
    const auto u = static_cast<unsigned char>(c);
    const bool upper = (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7);
    return static_cast<unsigned char>(upper ? u + 0x20 : u);
  };
  return std::search(text.begin(), text.end(), needle.begin(), needle.end(),
                     [&](char a, char b) { return fold(a) == fold(b); }) != text.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::size_t lines = SplitLines(text).size();

  const ImportFormat format = RecogniseImportFormat(text);
  const SimCodePage code_page;
  CheckRows(ReadBookmarks(text, code_page), lines);
  CheckRows(ReadChannels(text, code_page), lines);
  const Schedule schedule = ReadSchedule(text);
  const ImportedRows all = ScheduleRows(schedule, std::nullopt);
  CheckRows(all, lines);
  const ImportedRows on_air =
      ScheduleRows(schedule, UtcTime{static_cast<int>(size % 7), static_cast<int>(size % 1440)});
  Check(on_air.Rows.size() <= all.Rows.size());
  (void)format;

  // The first line as a search text, the rest as a station name.
  const std::size_t split = std::min(text.find('\n'), text.size());
  const std::string_view needle = text.substr(0, split);
  const std::string name(text.substr(split));
  Check(RowFinder(needle).Matches({"", "", "", name}) ==
        (!needle.empty() && NaiveContains(name, needle)));
  return 0;
}
