#include "stations/row_finder.h"

#include <gtest/gtest.h>

#include "platform/sim/sim_station_rows.h"

namespace vorn {
namespace {

class RowFinderTest : public ::testing::Test {
 protected:
  RowFinderTest() {
    for (const StationRow& row : {StationRow{"6070", "12 kHz", "AM", "Radio One"},
                                  StationRow{"7325.5", "6 kHz", "USB", "Coastal Net"},
                                  StationRow{"9420", "12 kHz", "DRM", "R\xC9GION Sud"},
                                  StationRow{"14100", "1.6 kHz", "CW", "Beacon 6070"}})
      rows.Append(row);
  }

  std::optional<std::size_t> Find(std::string_view text, std::size_t start = 0) {
    return RowFinder(text).Find(rows, start);
  }

  SimStationRows rows;
};

TEST_F(RowFinderTest, MatchesFrequencyDemodulatorOrNameIgnoringCase) {
  EXPECT_EQ(Find("coastal"), 1u);
  EXPECT_EQ(Find("25.5"), 1u);
  EXPECT_EQ(Find("drm"), 2u);
  EXPECT_EQ(Find("r\xE9gion"), 2u);  // Latin-1 capitals fold too
  EXPECT_EQ(Find("bEACON 6070"), 3u);
  EXPECT_EQ(Find("kHz"), std::nullopt);  // the bandwidth is not searched
  EXPECT_EQ(Find("Radio Two"), std::nullopt);
  EXPECT_EQ(Find(""), std::nullopt);
}

TEST_F(RowFinderTest, StartsAtTheGivenRowAndWraps) {
  EXPECT_EQ(Find("6070", 0), 0u);
  EXPECT_EQ(Find("6070", 1), 3u);
  EXPECT_EQ(Find("6070", 3), 3u);
  EXPECT_EQ(Find("Radio", 1), 0u);
  EXPECT_EQ(Find("Radio", 99), 0u);
  SimStationRows none;
  EXPECT_EQ(RowFinder("a").Find(none, 0), std::nullopt);
}

TEST(RowFinder, FindsOverlappingAndRepeatedPatterns) {
  // The shifts of the search must not skip a match that starts inside a
  // partial one.
  const RowFinder finder("abab");
  EXPECT_TRUE(finder.Matches({"", "", "", "aabaabababx"}));
  EXPECT_TRUE(finder.Matches({"", "", "", "ABAB"}));
  EXPECT_FALSE(finder.Matches({"", "", "", "aba"}));
  EXPECT_FALSE(finder.Matches({"", "", "", "abaab"}));
  EXPECT_TRUE(RowFinder("x").Matches({"", "", "", "abcx"}));
}

}  // namespace
}  // namespace vorn
