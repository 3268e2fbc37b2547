// Which schedule lines are on air at fixed moments of the week.
#include "stations/import/schedule_time.h"

#include <gtest/gtest.h>

#include "stations/import/schedule_reader.h"

namespace vorn {
namespace {

constexpr int kMonday = 0;
constexpr int kTuesday = 1;
constexpr int kSaturday = 5;
constexpr int kSunday = 6;

UtcTime At(int weekday, int hours, int minutes) {
  return {weekday, hours * 60 + minutes};
}

TEST(UtcTimeAt, GivesWeekdayAndMinuteOfTheDay) {
  EXPECT_EQ(UtcTimeAt(0), At(3, 0, 0));                      // Thursday 1 January 1970
  EXPECT_EQ(UtcTimeAt(1'796'707'800), At(kTuesday, 5, 30));  // 8 December 2026, 05:30
  EXPECT_EQ(UtcTimeAt(-60), At(2, 23, 59));
}

TEST(ParseDays, ReadsNamesDigitsAndRanges) {
  EXPECT_EQ(ParseDays(""), kEveryDay);
  EXPECT_EQ(ParseDays("Mo-Fr"), 0x1F);
  EXPECT_EQ(ParseDays("Sa,Su"), 0x60);
  EXPECT_EQ(ParseDays("MoWeFr"), 0x15);
  EXPECT_EQ(ParseDays("Fr-Mo"), 0x71);
  EXPECT_EQ(ParseDays("1245"), 0x1B);
  EXPECT_EQ(ParseDays("1-5"), 0x1F);
  EXPECT_EQ(ParseDays("7"), 0x40);
  for (const char* words : {"irr", "alt", "Mo-", "8", "Mo-Fr irr", "0"})
    EXPECT_EQ(ParseDays(words), std::nullopt) << words;
}

TEST(ParseTimeSpan, ReadsHoursAndMinutesUpToTheEndOfTheDay) {
  const auto span = ParseTimeSpan("0530-2400");
  ASSERT_TRUE(span);
  EXPECT_EQ(span->Start, 330);
  EXPECT_EQ(span->Stop, 1440);
  for (const char* bad : {"2400-0100", "0560-0600", "530-600", "0500/0600", "0500-0600x"})
    EXPECT_FALSE(ParseTimeSpan(bad)) << bad;
}

TEST(OnAir, CoversTheSpanFromStartToJustBeforeStop) {
  const TimeSpan span = *ParseTimeSpan("0500-0600");
  EXPECT_FALSE(OnAir(span, kEveryDay, At(kMonday, 4, 59)));
  EXPECT_TRUE(OnAir(span, kEveryDay, At(kMonday, 5, 0)));
  EXPECT_TRUE(OnAir(span, kEveryDay, At(kMonday, 5, 59)));
  EXPECT_FALSE(OnAir(span, kEveryDay, At(kMonday, 6, 0)));
  EXPECT_FALSE(OnAir(span, *ParseDays("Sa,Su"), At(kMonday, 5, 30)));
  EXPECT_TRUE(OnAir(*ParseTimeSpan("0000-0000"), *ParseDays("Mo"), At(kMonday, 13, 0)));
}

TEST(OnAir, ASpanAcrossMidnightBelongsToTheDayItStarts) {
  const TimeSpan span = *ParseTimeSpan("2300-0100");
  const DaySet saturday = *ParseDays("Sa");
  EXPECT_TRUE(OnAir(span, saturday, At(kSaturday, 23, 30)));
  EXPECT_TRUE(OnAir(span, saturday, At(kSunday, 0, 30)));
  EXPECT_FALSE(OnAir(span, saturday, At(kSunday, 1, 0)));
  EXPECT_FALSE(OnAir(span, saturday, At(kSaturday, 0, 30)));
  EXPECT_FALSE(OnAir(span, saturday, At(kSaturday, 12, 0)));
  // Sunday evening's transmission runs into Monday morning.
  EXPECT_TRUE(OnAir(span, *ParseDays("7"), At(kMonday, 0, 15)));
}

TEST(ScheduleRows, KeepsOnlyTheLinesOnAirWhenAskedTo) {
  const Schedule schedule = ReadSchedule(
      "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;\n"
      "6070;0500-0600;Mo-Fr;D;Morning;E;Eu\n"
      "7325;2300-0100;Mo;D;Late;E;Eu\n"
      "9420;0000-2400;;D;Always;E;Eu\n"
      "9500;0000-2400;irr;D;Sometimes;E;Eu\n"
      "broken\n");
  const auto names = [](const ImportedRows& imported) {
    std::vector<std::string> first_words;
    for (const StationRow& row : imported.Rows)
      first_words.push_back(row.Name.substr(0, row.Name.find(' ')));
    return first_words;
  };
  EXPECT_EQ(names(ScheduleRows(schedule, At(kTuesday, 5, 30))),
            (std::vector<std::string>{"Morning", "Always"}));
  EXPECT_EQ(names(ScheduleRows(schedule, At(kTuesday, 0, 30))),
            (std::vector<std::string>{"Late", "Always"}));
  const ImportedRows all = ScheduleRows(schedule, std::nullopt);
  EXPECT_EQ(all.Rows.size(), 4u);
  EXPECT_EQ(all.Skipped, 1u);
}

}  // namespace
}  // namespace vorn
