#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "stations/import/imported_rows.h"
#include "stations/import/schedule_time.h"

namespace vorn {

// One transmission of a broadcast schedule: its station row, named
// "Station Lng->Target HHMM-HHMM Days", and when it is on air.
struct ScheduleLine {
  StationRow Row;
  TimeSpan Span;
  // Empty when the days are words that name none ("irr").
  std::optional<DaySet> Days;
};

struct Schedule {
  std::vector<ScheduleLine> Lines;
  std::size_t Skipped = 0;
};

// A ';'-separated schedule after its header line: kHz (with decimals),
// HHMM-HHMM UTC, days, ITU country, station, language, target, remarks, then
// columns this reader does not need. A line without a tunable frequency or a
// readable time is skipped. Stations are AM unless the remarks are exactly
// one of the receiver's demodulator names.
Schedule ReadSchedule(std::string_view text);

// The rows of every line, or of the lines on air at `on_air_at`. Lines whose
// days name none are never on air.
ImportedRows ScheduleRows(const Schedule& schedule, std::optional<UtcTime> on_air_at);

}  // namespace vorn
