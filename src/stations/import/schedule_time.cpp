#include "stations/import/schedule_time.h"

#include <array>

#include "stations/import/text_fields.h"

namespace vorn {

namespace {

constexpr int kMinutesPerDay = 24 * 60;
constexpr std::array<std::string_view, 7> kDayNames = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// "HHMM" in minutes; 2400 only where `allow_end`.
std::optional<int> ParseClock(std::string_view text, bool allow_end) {
  if (text.size() != 4) return std::nullopt;
  for (char c : text)
    if (!IsDigit(c)) return std::nullopt;
  const int hours = (text[0] - '0') * 10 + (text[1] - '0');
  const int minutes = (text[2] - '0') * 10 + (text[3] - '0');
  if (minutes > 59) return std::nullopt;
  if (hours < 24) return hours * 60 + minutes;
  if (allow_end && hours == 24 && minutes == 0) return kMinutesPerDay;
  return std::nullopt;
}

DaySet Day(int index) {
  return static_cast<DaySet>(1u << index);
}

// The days from `first` to `last` inclusive, wrapping past Sunday.
DaySet DayRange(int first, int last) {
  DaySet days = 0;
  for (int d = first;; d = (d + 1) % 7) {
    days |= Day(d);
    if (d == last) return days;
  }
}

// A list of day tokens, each taken by `token` (which advances the text and
// returns the day's index, or -1), separated by nothing, ',' or blanks and
// joined to ranges by '-'.
template <class Token>
std::optional<DaySet> ParseDayList(std::string_view text, Token token) {
  DaySet days = 0;
  while (!text.empty()) {
    const int first = token(text);
    if (first < 0) return std::nullopt;
    int last = first;
    if (!text.empty() && text.front() == '-') {
      text.remove_prefix(1);
      last = token(text);
      if (last < 0) return std::nullopt;
    }
    days |= DayRange(first, last);
    while (!text.empty() && (text.front() == ',' || text.front() == ' ')) text.remove_prefix(1);
  }
  return days;
}

int DigitDay(std::string_view& text) {
  if (text.empty() || text.front() < '1' || text.front() > '7') return -1;
  const int day = text.front() - '1';
  text.remove_prefix(1);
  return day;
}

int NamedDay(std::string_view& text) {
  if (text.size() < 2) return -1;
  for (int d = 0; d < 7; ++d) {
    if (EqualsIgnoringCase(text.substr(0, 2), kDayNames[static_cast<std::size_t>(d)])) {
      text.remove_prefix(2);
      return d;
    }
  }
  return -1;
}

}  // namespace

UtcTime UtcTimeAt(std::int64_t unix_seconds) {
  constexpr std::int64_t kSecondsPerDay = 86400;
  std::int64_t days = unix_seconds / kSecondsPerDay;
  std::int64_t seconds = unix_seconds % kSecondsPerDay;
  if (seconds < 0) {
    seconds += kSecondsPerDay;
    --days;
  }
  // 1 January 1970 was a Thursday.
  const std::int64_t weekday = ((days + 3) % 7 + 7) % 7;
  return {static_cast<int>(weekday), static_cast<int>(seconds / 60)};
}

std::optional<TimeSpan> ParseTimeSpan(std::string_view text) {
  text = TrimBlanks(text);
  if (text.size() != 9 || text[4] != '-') return std::nullopt;
  const auto start = ParseClock(text.substr(0, 4), false);
  const auto stop = ParseClock(text.substr(5), true);
  if (!start || !stop) return std::nullopt;
  return TimeSpan{*start, *stop};
}

std::optional<DaySet> ParseDays(std::string_view text) {
  text = TrimBlanks(text);
  if (text.empty()) return kEveryDay;
  if (IsDigit(text.front())) return ParseDayList(text, DigitDay);
  return ParseDayList(text, NamedDay);
}

bool OnAir(const TimeSpan& span, DaySet days, const UtcTime& now) {
  const int minute = now.Minute;
  int day = now.Weekday;
  if (span.Start < span.Stop) {
    if (minute < span.Start || minute >= span.Stop) return false;
  } else if (span.Start > span.Stop) {
    if (minute < span.Stop)
      day = (day + 6) % 7;  // began the day before
    else if (minute < span.Start)
      return false;
  }
  return (days & Day(day)) != 0;
}

}  // namespace vorn
