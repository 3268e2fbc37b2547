#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace vorn {

// A moment of the week in UTC.
struct UtcTime {
  int Weekday = 0;  // 0 Monday … 6 Sunday
  int Minute = 0;   // of the day, 0 … 1439
  bool operator==(const UtcTime&) const = default;
};

UtcTime UtcTimeAt(std::int64_t unix_seconds);

// A daily transmission time "HHMM-HHMM" in minutes of the day; Stop may be
// 1440 ("2400"). A stop before the start crosses midnight; equal times mean
// all day.
struct TimeSpan {
  int Start = 0;
  int Stop = 0;
};

std::optional<TimeSpan> ParseTimeSpan(std::string_view text);

// Weekdays as bits, Monday the lowest.
using DaySet = std::uint8_t;
inline constexpr DaySet kEveryDay = 0x7F;

// The days of a schedule line: empty for every day, two-letter names ("Mo-Fr",
// "Sa,Su", "MoWeFr", "Fr-Mo" wrapping) or digits with 1 for Monday ("1245",
// "1-5"). Empty for anything else ("irr", "alt"), which names no days.
std::optional<DaySet> ParseDays(std::string_view text);

// True when a transmission of `span` on `days` is going on at `now`. The days
// name the day a transmission starts, so after midnight a span that crossed it
// belongs to the day before.
bool OnAir(const TimeSpan& span, DaySet days, const UtcTime& now);

}  // namespace vorn
