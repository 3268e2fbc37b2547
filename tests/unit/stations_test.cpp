#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>

#include "platform/framework_error.h"
#include "platform/sim/native_file_system.h"
#include "platform/sim/sim_station_rows.h"
#include "stations/list_format.h"
#include "stations/station_list.h"
#include "temp_dir.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::StartsWith;

const StationRow kRadioOne{"6070", "12 kHz", "AM", "Radio One"};
const std::string kRadioOneLine = "     6070;  12;   AM; \"Radio One\"";

TEST(SerialiseRowTest, AlignsCutsAndQuotes) {
  EXPECT_EQ(SerialiseRow(kRadioOne), kRadioOneLine);
  EXPECT_EQ(kRadioOneLine.size(), 33u);
  // Frequency, bandwidth and demodulator are cut to 9, 4 and 5; the name never.
  const std::string long_name(300, 'n');
  EXPECT_EQ(SerialiseRow({"1234567890", "12345 kHz", "ABCDEFG", long_name}),
            "123456789;1234;ABCDE; \"" + long_name + "\"");
  EXPECT_EQ(SerialiseRow({"", "", "", ""}), "         ;    ;     ; \"\"");
}

TEST(SerialiseRowTest, TakesOffOnlyAnExactKhzEnding) {
  EXPECT_EQ(SerialiseRow({"1", "10.5", "AM", "x"}), "        1;10.5;   AM; \"x\"");
  EXPECT_EQ(SerialiseRow({"1", "2.4kHz", "AM", "x"}), "        1;2.4k;   AM; \"x\"");
  EXPECT_EQ(SerialiseRow({"1", "1.6 kHz", "AM", "x"}), "        1; 1.6;   AM; \"x\"");
  EXPECT_EQ(SerialiseRow({"1", "3 khz", "AM", "x"}), "        1;3 kh;   AM; \"x\"");
  EXPECT_EQ(SerialiseRow({"1", " kHz", "AM", "x"}), "        1;    ;   AM; \"x\"");
}

TEST(SerialiseRowTest, DoublesQuotesInTheName) {
  EXPECT_EQ(SerialiseRow({"1", "2", "AM", "Radio \"X\""}),
            "        1;   2;   AM; \"Radio \"\"X\"\"\"");
}

TEST(SplitLinesTest, EveryKindOfLineEndEndsOneLine) {
  EXPECT_THAT(SplitLines("a\r\nb\rc\nd"), ElementsAre("a", "b", "c", "d"));
  EXPECT_THAT(SplitLines("a\n\rb"), ElementsAre("a", "", "b"));
  EXPECT_THAT(SplitLines("a\r\n"), ElementsAre("a"));
  EXPECT_THAT(SplitLines("a\r\n\r\n"), ElementsAre("a", ""));
  EXPECT_THAT(SplitLines("\n"), ElementsAre(""));
  EXPECT_THAT(SplitLines(""), IsEmpty());
}

TEST(SplitLinesTest, TheFirstZeroByteEndsTheText) {
  EXPECT_THAT(SplitLines(std::string("a\nb\0c\nd", 7)), ElementsAre("a", "b"));
  EXPECT_THAT(SplitLines(std::string("\0a", 2)), IsEmpty());
}

TEST(SplitDelimitedTest, BlanksAreEveryCodeFromOneTo32) {
  EXPECT_THAT(SplitDelimited(" \t\x01 6070 ;\x1f 12\t;AM;x"), ElementsAre("6070", "12", "AM", "x"));
  // A blank ends an unquoted field just as ';' does.
  EXPECT_THAT(SplitDelimited("6070;12;AM;Radio One"),
              ElementsAre("6070", "12", "AM", "Radio", "One"));
  // The zero character is not a blank.
  EXPECT_THAT(SplitDelimited(std::string("a\0b", 3)), ElementsAre(std::string("a\0b", 3)));
  EXPECT_THAT(SplitDelimited(""), IsEmpty());
  EXPECT_THAT(SplitDelimited(" \t \x01"), IsEmpty());
}

TEST(SplitDelimitedTest, QuotedFields) {
  EXPECT_THAT(SplitDelimited("\"Radio One\";\" a;b \""), ElementsAre("Radio One", " a;b "));
  EXPECT_THAT(SplitDelimited("\"say \"\"hi\"\"\""), ElementsAre("say \"hi\""));
  EXPECT_THAT(SplitDelimited("\"\""), ElementsAre(""));
  EXPECT_THAT(SplitDelimited("\"\"\"\""), ElementsAre("\""));
  // After a closing quote the next field starts at once, without a ';'.
  EXPECT_THAT(SplitDelimited("\"a\"b;c"), ElementsAre("a", "b", "c"));
}

TEST(SplitDelimitedTest, AMissingClosingQuoteDropsTheLastCharacter) {
  EXPECT_THAT(SplitDelimited("1;2;3; \"Radio One"), ElementsAre("1", "2", "3", "Radio On"));
  EXPECT_THAT(SplitDelimited("1;\"x"), ElementsAre("1", ""));
  EXPECT_THAT(SplitDelimited("1;\""), ElementsAre("1", ""));
  EXPECT_THAT(SplitDelimited("\"a\"\"bc"), ElementsAre("a\"b"));
}

TEST(SplitDelimitedTest, EmptyFieldsAndTheTrailingDelimiter) {
  EXPECT_THAT(SplitDelimited(";;"), ElementsAre("", "", ""));
  EXPECT_THAT(SplitDelimited("6070;12;AM;"), ElementsAre("6070", "12", "AM", ""));
  EXPECT_THAT(SplitDelimited("6070;12;AM; "), ElementsAre("6070", "12", "AM"));
  EXPECT_THAT(SplitDelimited("a;;b"), ElementsAre("a", "", "b"));
  EXPECT_THAT(SplitDelimited(";"), ElementsAre("", ""));
}

TEST(SplitDelimitedTest, SplittingIntoAUsedVectorReplacesItsFields) {
  std::vector<std::string> fields{"old", "old", "old", "old", "old"};
  SplitDelimited("a;\"b\";", fields);
  EXPECT_THAT(fields, ElementsAre("a", "b", ""));
  SplitDelimited("", fields);
  EXPECT_THAT(fields, IsEmpty());
}

TEST(FrameworkErrorTest, TextsAreTheFrameworksAnsiBytes) {
  EXPECT_STREQ(FileOpenError("C:\\x.txt", "Zugriff verweigert").what(),
               "Datei C:\\x.txt kann nicht ge\xF6"
               "ffnet werden. Zugriff verweigert");
  EXPECT_STREQ(ListIndexError(3).what(),
               "Listenindex \xFC"
               "berschreitet das Maximum (3)");
  EXPECT_STREQ(ProfileWriteError("C:\\Vorn.ini").what(),
               "In C:\\Vorn.ini kann nicht geschrieben werden");
  const std::pair<std::uint32_t, const char*> io[] = {
      {2, "Datei nicht gefunden"},
      {3,
       "Ung\xFC"
       "ltiger Dateiname"},
      {4,
       "Zu viele ge\xF6"
       "ffnete Dateien"},
      {5, "Dateizugriff verweigert"},
      {100, "Versuch hinter dem Dateiende zu lesen"},
      {101, "Zu wenig Speicherplatz"},
      {106,
       "Ung\xFC"
       "ltige numerische Eingabe"},
      {32, "E/A-Fehler 32"},
      {0, "E/A-Fehler 0"},
  };
  for (const auto& [code, text] : io) {
    const InOutError error(code);
    EXPECT_STREQ(error.what(), text) << code;
    EXPECT_EQ(error.Code(), code);
  }
}

class StationListTest : public ::testing::Test {
 protected:
  void Load(const std::string& bytes) {
    dir.Write("list.txt", bytes);
    list.LoadStationList("list.txt");
  }

  TempDir dir;
  SimStationRows rows;
  NativeFileSystem files;
  StationList list{rows, files, dir.Dir()};
};

TEST_F(StationListTest, LoadsRowsShowingBandwidthInKhz) {
  Load(kRadioOneLine + "\r\n  14100;25;USB;\"Two; with blanks \"\r\n");
  EXPECT_THAT(rows.Rows(),
              ElementsAre(kRadioOne, StationRow{"14100", "25 kHz", "USB", "Two; with blanks "}));
  EXPECT_EQ(list.ListSnapshot(), SerialiseRows(rows));
  EXPECT_TRUE(list.ListUnchanged());
}

TEST_F(StationListTest, LineEndingsOfEveryKindReadAlike) {
  for (const char* ending : {"\r\n", "\n", "\r"}) {
    Load(std::string("1;2;AM;a") + ending + "3;4;FM;b" + ending);
    EXPECT_THAT(rows.Rows(), ElementsAre(StationRow{"1", "2 kHz", "AM", "a"},
                                         StationRow{"3", "4 kHz", "FM", "b"}))
        << "ending " << int(ending[0]);
  }
}

TEST_F(StationListTest, ExtraFieldsAreIgnoredAndTextBytesPassUnchanged) {
  Load("1;2;AM;Radio One\n\xE4\xF6;\xFC;\x80;\"\xDF\xFF\"");
  EXPECT_THAT(rows.Rows(), ElementsAre(StationRow{"1", "2 kHz", "AM", "Radio"},
                                       StationRow{"\xE4\xF6", "\xFC kHz", "\x80", "\xDF\xFF"}));
}

TEST_F(StationListTest, AShortLineStopsTheLoadAndDropsItsRow) {
  dir.Write("list.txt", "1;2;AM;a\r\n3;4;FM;b\r\n5;6;CW\r\n7;8;AM;c\r\n");
  try {
    list.LoadStationList("list.txt");
    FAIL() << "no error";
  } catch (const ListIndexError& error) {
    EXPECT_EQ(error.Index(), 3u);
    EXPECT_STREQ(error.what(),
                 "Listenindex \xFC"
                 "berschreitet das Maximum (3)");
  }
  EXPECT_THAT(rows.Rows(), ElementsAre(StationRow{"1", "2 kHz", "AM", "a"},
                                       StationRow{"3", "4 kHz", "FM", "b"}));
  // The snapshot covers exactly the rows kept, so they save without a question.
  EXPECT_TRUE(list.ListUnchanged());
  EXPECT_EQ(list.ListSnapshot(), SerialiseRows(rows));
}

TEST_F(StationListTest, EmptyAndBlankLinesStopTheLoadWithIndexZero) {
  const std::pair<const char*, std::size_t> cases[] = {
      {"1;2;AM;a\r\n\r\n", 1}, {"1;2;AM;a\n \t\n3;4;FM;b", 1}, {"\n1;2;AM;a", 0}};
  for (const auto& [text, rows_kept] : cases) {
    dir.Write("list.txt", text);
    try {
      list.LoadStationList("list.txt");
      FAIL() << "no error for " << text;
    } catch (const ListIndexError& error) {
      EXPECT_EQ(error.Index(), 0u);
    }
    EXPECT_EQ(rows.Count(), rows_kept);
    EXPECT_TRUE(list.ListUnchanged());
  }
}

TEST_F(StationListTest, AFileThatCannotBeOpenedChangesNothing) {
  Load("1;2;AM;a");
  rows.Append({"9", "9 kHz", "AM", "added"});
  const std::string snapshot = list.ListSnapshot();
  try {
    list.LoadStationList("missing.txt");
    FAIL() << "no error";
  } catch (const FileOpenError& error) {
    EXPECT_THAT(error.what(), StartsWith("Datei " + dir.Path("missing.txt") +
                                         " kann nicht ge\xF6"
                                         "ffnet werden. "));
  }
  // A directory cannot be opened as a list either.
  EXPECT_THROW(list.LoadStationFile(dir.Dir()), FileOpenError);
  EXPECT_EQ(rows.Count(), 2u);
  EXPECT_EQ(list.ListSnapshot(), snapshot);
}

TEST_F(StationListTest, LoadsAFileGivenByItsFullPath) {
  TempDir elsewhere;
  elsewhere.Write("other.txt", "1;2;AM;a");
  list.LoadStationFile(elsewhere.Path("other.txt"));
  EXPECT_EQ(rows.Count(), 1u);
  EXPECT_THROW(list.LoadStationList("other.txt"), FileOpenError);
}

TEST_F(StationListTest, SavesEveryRowWithCrLfAndReadsItBack) {
  rows.Append(kRadioOne);
  rows.Append({"1234567890", "2.4kHz", "LONGDEMOD", "He said \"go\"; then; left "});
  rows.Append({"7100", "10.5", "LSB", ""});
  list.SaveStationList(dir.Path("out.txt"));
  EXPECT_EQ(dir.Read("out.txt"),
            kRadioOneLine + "\r\n" +
                "123456789;2.4k;LONGD; \"He said \"\"go\"\"; then; left \"\r\n" +
                "     7100;10.5;  LSB; \"\"\r\n");
  // What was cut is what the next load shows; the quoted name comes back whole.
  list.LoadStationList("out.txt");
  EXPECT_THAT(rows.Rows(), ElementsAre(kRadioOne,
                                       StationRow{"123456789", "2.4k kHz", "LONGD",
                                                  "He said \"go\"; then; left "},
                                       StationRow{"7100", "10.5 kHz", "LSB", ""}));
  EXPECT_TRUE(list.ListUnchanged());
}

TEST_F(StationListTest, AnEmptyViewSavesAsAnEmptyFile) {
  dir.Write("out.txt", "old content");
  list.SaveStationList(dir.Path("out.txt"));
  EXPECT_EQ(dir.Read("out.txt"), "");
  EXPECT_THAT(dir.Names(), ElementsAre("out.txt"));
}

TEST_F(StationListTest, SavingLeavesTheSnapshotForTheCallerToRefresh) {
  Load("1;2;AM;a");
  rows.Append({"3", "4", "FM", "b"});
  list.SaveStationList(dir.Path("out.txt"));
  EXPECT_FALSE(list.ListUnchanged());
  list.TakeSnapshot();
  EXPECT_TRUE(list.ListUnchanged());
}

TEST_F(StationListTest, ChangeTracking) {
  Load("1;2;AM;a\r\n3;4;FM;b\r\n");
  EXPECT_TRUE(list.ListUnchanged());

  rows.Append({"5", "6 kHz", "CW", "c"});
  EXPECT_FALSE(list.ListUnchanged());
  rows.Remove(2);
  EXPECT_TRUE(list.ListUnchanged());

  // Reordering is a change.
  const StationRow first = rows.Row(0);
  rows.Remove(0);
  rows.Append(first);
  EXPECT_FALSE(list.ListUnchanged());

  // A cut-off difference does not show in the file and is no change; a
  // bandwidth typed without " kHz" is.
  Load("123456789;2;AM;a");
  rows.Remove(0);
  rows.Append({"1234567890", "2 kHz", "AM", "a"});
  EXPECT_TRUE(list.ListUnchanged());
  rows.Remove(0);
  rows.Append({"123456789", "2", "AM", "a"});
  EXPECT_TRUE(list.ListUnchanged());
  rows.Remove(0);
  rows.Append({"123456789", "2 kHz", "AM", "A"});
  EXPECT_FALSE(list.ListUnchanged());

  // An empty view counts as unchanged, whatever was loaded.
  rows.Clear();
  EXPECT_TRUE(list.ListUnchanged());
}

TEST_F(StationListTest, AListWithoutSnapshotIsChangedOnceItHasRows) {
  EXPECT_TRUE(list.ListUnchanged());
  rows.Append(kRadioOne);
  EXPECT_FALSE(list.ListUnchanged());
}

// A failing save must leave the old file byte for byte and no temporary file.
class FailingSaveTest : public StationListTest {
 protected:
  void SetUp() override {
    dir.Write("list.txt", "old\r\n");
    rows.Append(kRadioOne);
  }
  void ExpectOldFileKept() {
    EXPECT_EQ(dir.Read("list.txt"), "old\r\n");
    std::vector<std::string> names = dir.Names();
    std::erase(names, "sub");
    EXPECT_THAT(names, ElementsAre("list.txt"));
  }
  std::uint32_t SaveErrorCode(const std::string& path) {
    try {
      list.SaveStationList(path);
    } catch (const InOutError& error) {
      return error.Code();
    }
    ADD_FAILURE() << "no error";
    return 0;
  }
};

TEST_F(FailingSaveTest, ATargetThatIsADirectoryIsAccessDenied) {
  std::filesystem::create_directory(dir.Path("sub"));
  EXPECT_EQ(SaveErrorCode(dir.Dir()), kErrorAccessDenied);
  EXPECT_EQ(SaveErrorCode(dir.Path("sub")), kErrorAccessDenied);
  ExpectOldFileKept();
}

TEST_F(FailingSaveTest, AMissingDirectoryIsPathNotFound) {
  EXPECT_EQ(SaveErrorCode(dir.Path("nowhere/list.txt")), kErrorPathNotFound);
  ExpectOldFileKept();
}

TEST_F(FailingSaveTest, AWriteThatFailsPartWayKeepsTheOldFile) {
  for (int i = 0; i < 2000; ++i) rows.Append(kRadioOne);
  // A file size limit makes the write fail after the first few kilobytes.
  const sighandler_t previous = ::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  ::getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const std::uint32_t code = SaveErrorCode(dir.Path("list.txt"));
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ::signal(SIGXFSZ, previous);
  EXPECT_EQ(code, kErrorDiskFull);
  ExpectOldFileKept();
}

}  // namespace
}  // namespace vorn
