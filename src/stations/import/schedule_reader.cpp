#include "stations/import/schedule_reader.h"

#include <string>

#include "stations/import/decimal_hz.h"
#include "stations/import/demodulator_mapping.h"
#include "stations/import/import_lines.h"
#include "stations/import/text_fields.h"

namespace vorn {

namespace {

enum Column { kKhz, kTime, kDays, kItu, kStation, kLanguage, kTarget, kRemarks };

std::string StationName(const std::vector<std::string_view>& fields) {
  const auto field = [&](Column c) {
    return static_cast<std::size_t>(c) < fields.size() ? fields[c] : std::string_view();
  };
  std::string name(field(kStation));
  const std::string_view language = field(kLanguage);
  const std::string_view target = field(kTarget);
  // The arrow is spelled in ASCII: list files hold single-byte text.
  if (!language.empty() || !target.empty()) {
    name += ' ';
    name += language;
    name += "->";
    name += target;
  }
  name += ' ';
  name += field(kTime);
  if (!field(kDays).empty()) {
    name += ' ';
    name += field(kDays);
  }
  return name;
}

}  // namespace

Schedule ReadSchedule(std::string_view text) {
  Schedule schedule;
  ImportLines lines(text);
  std::string_view line;
  lines.Next(line);  // the header
  while (lines.Next(line)) {
    const std::vector<std::string_view> fields = SplitTrimmed(line, ';');
    std::optional<std::int64_t> hz;
    std::optional<TimeSpan> span;
    if (fields.size() > kStation) {
      hz = TunableHz(fields[kKhz], FrequencyUnit::KHz);
      span = ParseTimeSpan(fields[kTime]);
    }
    if (!hz || !span) {
      ++schedule.Skipped;
      continue;
    }
    const char* own = fields.size() > kRemarks ? ReceiverDemodulator(fields[kRemarks]) : nullptr;
    schedule.Lines.push_back({ImportedRow(*hz, own ? own : "AM", 0, StationName(fields)), *span,
                              ParseDays(fields[kDays])});
  }
  return schedule;
}

ImportedRows ScheduleRows(const Schedule& schedule, std::optional<UtcTime> on_air_at) {
  ImportedRows imported;
  imported.Skipped = schedule.Skipped;
  for (const ScheduleLine& line : schedule.Lines) {
    if (on_air_at && !(line.Days && OnAir(line.Span, *line.Days, *on_air_at))) continue;
    imported.Rows.push_back(line.Row);
  }
  return imported;
}

}  // namespace vorn
