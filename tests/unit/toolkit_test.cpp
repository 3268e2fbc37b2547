#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "platform/framework_error.h"
#include "platform/list_rows.h"
#include "platform/sim/ansi_compare.h"
#include "platform/toolkit_rules.h"
#include "system_order.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

TEST(DockPanelsTest, PanelsStackInwardsFromTheirEdgesAndTheMiddleTakesTheRest) {
  const DockedLayout layout =
      DockPanels(301, 469, {{Dock::Top, 41}, {Dock::Bottom, 45}, {Dock::Top, 20}});
  EXPECT_THAT(layout.Panels,
              ElementsAre(Rect{0, 0, 301, 41}, Rect{0, 424, 301, 45}, Rect{0, 41, 301, 20}));
  EXPECT_EQ(layout.Middle, (Rect{0, 61, 301, 363}));
  // A form shorter than its panels: they overlap, the middle is empty, not negative.
  EXPECT_EQ(DockPanels(301, 50, {{Dock::Top, 41}, {Dock::Bottom, 45}}).Middle,
            (Rect{0, 41, 301, 0}));
  EXPECT_EQ(DockPanels(301, 469, {}).Middle, (Rect{0, 0, 301, 469}));
}

TEST(ApplicationTitleTest, FileNameCutAtFirstDotWithLaterLettersLowered) {
  EXPECT_EQ(ApplicationTitle("C:\\Program Files\\Vorn\\VORN.EXE"), "Vorn");
  EXPECT_EQ(ApplicationTitle("vorn.exe"), "vorn");
  EXPECT_EQ(ApplicationTitle("C:\\x\\VORN.OLD.EXE"), "Vorn");
  // A dot in a directory name does not cut the title.
  EXPECT_EQ(ApplicationTitle("C:\\v1.2\\TOOL"), "Tool");
  EXPECT_EQ(ApplicationTitle("/opt/bin/MyTool.exe"), "Mytool");
  EXPECT_EQ(ApplicationTitle("C:\\x\\.EXE"), "");
  EXPECT_EQ(ApplicationTitle(""), "");
}

TEST(ApplicationTitleTest, LowersWindows1252LettersButNotSigns) {
  // Ä stays first; Ö, Š and Ÿ are lowered; the multiplication sign is no letter.
  EXPECT_EQ(ApplicationTitle("\xC4\xD6\x8A\x9F\xD7.EXE"), "\xC4\xF6\x9A\xFF\xD7");
  EXPECT_EQ(ApplicationTitle("A1-B_C.EXE"), "A1-b_c");
}

TEST(ErrorBoxTextTest, FullStopOnlyAfterCharactersSortingAfterTheDot) {
  EXPECT_EQ(ErrorBoxText("E/A-Fehler 32"), "E/A-Fehler 32.");
  EXPECT_EQ(ErrorBoxText("Datei nicht gefunden"), "Datei nicht gefunden.");
  EXPECT_EQ(ErrorBoxText("Zugriff verweigert\xFC"), "Zugriff verweigert\xFC.");
  EXPECT_EQ(ErrorBoxText("Listenindex \xFC"
                         "berschreitet das Maximum (3)"),
            "Listenindex \xFC"
            "berschreitet das Maximum (3)");
  EXPECT_EQ(ErrorBoxText("Fertig."), "Fertig.");
  EXPECT_EQ(ErrorBoxText("Text-"), "Text-");
  EXPECT_EQ(ErrorBoxText("Zeile\r\n"), "Zeile\r\n");
  EXPECT_EQ(ErrorBoxText("a/"), "a/.");
  EXPECT_EQ(ErrorBoxText(""), "");
}

TEST(AnsiCompareTest, OrdersTextsAsTheSystemDoes) {
  for (std::size_t i = 0; i < kSystemOrder.size(); ++i) {
    EXPECT_EQ(AnsiCompare(kSystemOrder[i], kSystemOrder[i]), 0) << kSystemOrder[i];
    for (std::size_t j = i + 1; j < kSystemOrder.size(); ++j) {
      EXPECT_LT(AnsiCompare(kSystemOrder[i], kSystemOrder[j]), 0)
          << "[" << kSystemOrder[i] << "] < [" << kSystemOrder[j] << "]";
      EXPECT_GT(AnsiCompare(kSystemOrder[j], kSystemOrder[i]), 0);
    }
  }
}

TEST(AnsiCompareTest, HyphenPlacesDecideOnlyWhenAllElseIsEqual) {
  EXPECT_LT(AnsiCompare("a-b-", "a--b"), 0);
  EXPECT_LT(AnsiCompare("ab--", "a-b-"), 0);
  EXPECT_LT(AnsiCompare("12--3", "1-2-3"), 0);
  EXPECT_LT(AnsiCompare("-", "--"), 0);
  EXPECT_LT(AnsiCompare("a-", "A"), 0);
  EXPECT_LT(AnsiCompare("aB-", "A-b"), 0);
}

int ByteCompare(const std::string& a, const std::string& b) {
  return a.compare(b);
}

StationRow Row(const std::string& frequency, const std::string& name = "") {
  return {frequency, "12 kHz", "AM", name};
}

std::vector<std::string> Captions(const ListRows& rows) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < rows.Count(); ++i) out.push_back(rows.At(i).Frequency);
  return out;
}

std::vector<std::string> Names(const ListRows& rows) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < rows.Count(); ++i) out.push_back(rows.At(i).Name);
  return out;
}

TEST(ListRowsTest, SortingPlacesRowsAfterEqualCaptionsAndKeepsTheSelectedRow) {
  ListRows rows(ByteCompare);
  for (const char* f : {"3", "1", "2", "1"}) rows.Append(Row(f, std::string("n") + f));
  rows.Append(Row("2", "second 2"));
  rows.Select(0);  // "3"
  EXPECT_THAT(Captions(rows), ElementsAre("3", "1", "2", "1", "2"));

  rows.SetSorted(true);
  EXPECT_THAT(Captions(rows), ElementsAre("1", "1", "2", "2", "3"));
  EXPECT_THAT(Names(rows), ElementsAre("n1", "n1", "n2", "second 2", "n3"));
  EXPECT_EQ(rows.Selected(), 4u);

  EXPECT_EQ(rows.Append(Row("2", "third 2")), 4u);
  EXPECT_EQ(rows.Append(Row("0")), 0u);
  EXPECT_EQ(rows.Selected(), 6u);
  EXPECT_EQ(rows.At(6).Frequency, "3");

  rows.SetSorted(false);
  rows.Append(Row("1"));
  EXPECT_THAT(Captions(rows), ElementsAre("0", "1", "1", "2", "2", "2", "3", "1"));
}

TEST(ListRowsTest, RemovingKeepsTheSelectionOnItsRowOrDropsIt) {
  ListRows rows(ByteCompare);
  for (const char* f : {"a", "b", "c", "d"}) rows.Append(Row(f));
  rows.Select(2);
  rows.Remove(0);
  EXPECT_EQ(rows.Selected(), 1u);
  rows.Remove(3 - 1);  // after the selected row
  EXPECT_EQ(rows.Selected(), 1u);
  rows.Remove(1);
  EXPECT_EQ(rows.Selected(), std::nullopt);
  EXPECT_THAT(Captions(rows), ElementsAre("b"));
  EXPECT_THROW(rows.Remove(1), std::out_of_range);
  EXPECT_THROW(rows.At(1), std::out_of_range);
  rows.Select(5);
  EXPECT_EQ(rows.Selected(), std::nullopt);
  rows.Select(0);
  rows.Clear();
  EXPECT_EQ(rows.Count(), 0u);
  EXPECT_EQ(rows.Selected(), std::nullopt);
}

TEST(ListRowsTest, AppendsDuringAnUpdateEndInTheSameOrderAsImmediateOnes) {
  std::mt19937 random(7);
  std::vector<StationRow> input;
  for (int i = 0; i < 500; ++i)
    input.push_back(Row(std::to_string(random() % 50), std::to_string(i)));

  ListRows at_once(AnsiCompare);
  ListRows deferred(AnsiCompare);
  at_once.SetSorted(true);
  deferred.SetSorted(true);
  for (int i = 0; i < 10; ++i) {
    at_once.Append(input[i]);
    deferred.Append(input[i]);
  }
  deferred.Select(3);
  const std::string selected_name = deferred.At(3).Name;
  deferred.BeginUpdate();
  deferred.BeginUpdate();
  for (std::size_t i = 10; i < input.size(); ++i) {
    at_once.Append(input[i]);
    deferred.Append(input[i]);
  }
  EXPECT_FALSE(deferred.EndUpdate());
  EXPECT_TRUE(deferred.EndUpdate());
  EXPECT_FALSE(deferred.EndUpdate());  // unbalanced: ignored
  EXPECT_EQ(Names(deferred), Names(at_once));
  EXPECT_EQ(deferred.At(*deferred.Selected()).Name, selected_name);
}

TEST(ListRowsTest, ReadingDuringAnUpdateSeesTheSortedOrder) {
  ListRows rows(AnsiCompare);
  rows.SetSorted(true);
  rows.BeginUpdate();
  for (const char* f : {"6070", "14100", "10000"}) rows.Append(Row(f));
  EXPECT_THAT(Captions(rows), ElementsAre("10000", "14100", "6070"));
  rows.EndUpdate();
}

}  // namespace
}  // namespace vorn
