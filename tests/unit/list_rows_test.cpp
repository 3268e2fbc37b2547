// Replacing a row of a list view's rows: in place, or re-placed by its caption.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "platform/list_rows.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;

int Bytes(const std::string& a, const std::string& b) {
  return a.compare(b);
}

StationRow Station(const std::string& frequency, const std::string& name) {
  return {frequency, "12 kHz", "AM", name};
}

std::vector<std::string> Shown(const ListRows& rows) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < rows.Count(); ++i)
    out.push_back(rows.At(i).Frequency + " " + rows.At(i).Name);
  return out;
}

TEST(ListRowsReplaceTest, ASortedListMovesARowOnlyWhenItsCaptionNoLongerFits) {
  ListRows rows(Bytes);
  rows.SetSorted(true);
  for (const char* f : {"1", "3", "3", "3", "5"}) rows.Append(Station(f, f));
  rows.Select(2);

  // Still between its neighbours, an equal caption among them included: it stays.
  EXPECT_EQ(rows.Replace(2, Station("3", "renamed")), 2u);
  EXPECT_EQ(rows.Replace(4, Station("4", "lower")), 4u);
  EXPECT_EQ(rows.Selected(), 2u);

  // The selected row moves and the selection goes with it, after equal captions.
  EXPECT_EQ(rows.Replace(2, Station("4", "moved")), 4u);
  EXPECT_THAT(Shown(rows), ElementsAre("1 1", "3 3", "3 3", "4 lower", "4 moved"));
  EXPECT_EQ(rows.Selected(), 4u);

  // Another row moving past the selected one shifts it.
  EXPECT_EQ(rows.Replace(0, Station("9", "last")), 4u);
  EXPECT_EQ(rows.Selected(), 3u);
  EXPECT_EQ(rows.At(3).Name, "moved");

  // During an update the row finds its place when the rows are next read.
  rows.BeginUpdate();
  rows.Replace(4, Station("0", "first"));
  EXPECT_TRUE(rows.EndUpdate());
  EXPECT_THAT(Shown(rows), ElementsAre("0 first", "3 3", "3 3", "4 lower", "4 moved"));
  EXPECT_EQ(rows.Selected(), 4u);

  // Unsorted, every row stays where it is.
  rows.SetSorted(false);
  EXPECT_EQ(rows.Replace(0, Station("9", "stays")), 0u);
  EXPECT_THROW(rows.Replace(5, Station("1", "")), std::out_of_range);
}

}  // namespace
}  // namespace vorn
