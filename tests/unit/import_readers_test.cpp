// The three import readers on hand-written files shaped like the real ones.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_code_page.h"
#include "stations/import/bookmark_reader.h"
#include "stations/import/channel_reader.h"
#include "stations/import/decimal_hz.h"
#include "stations/import/demodulator_mapping.h"
#include "stations/import/import_format.h"
#include "stations/import/schedule_reader.h"
#include "stations/list_format.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;

const SimCodePage kAnsi;

const std::string kScheduleHeader =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;"
    "Stop:60;\r\n";

TEST(TunableHz, ConvertsDecimalTextExactly) {
  EXPECT_EQ(TunableHz("7325.5", FrequencyUnit::KHz), 7325500);
  EXPECT_EQ(TunableHz(" 15140 ", FrequencyUnit::KHz), 15140000);
  EXPECT_EQ(TunableHz("0.153", FrequencyUnit::KHz), 153);
  EXPECT_EQ(TunableHz("7.100001", FrequencyUnit::MHz), 7100001);
  EXPECT_EQ(TunableHz("7.1000010", FrequencyUnit::MHz), 7100001);
  EXPECT_EQ(TunableHz("29.3", FrequencyUnit::MHz), 29300000);
  EXPECT_EQ(TunableHz("7100000.000", FrequencyUnit::Hz), 7100000);
  EXPECT_EQ(TunableHz("40000", FrequencyUnit::KHz), 40000000);
}

TEST(TunableHz, RefusesWhatTheKeypadCannotTake) {
  EXPECT_EQ(TunableHz("7325.5005", FrequencyUnit::KHz), std::nullopt);  // finer than 1 Hz
  EXPECT_EQ(TunableHz("7100000.5", FrequencyUnit::Hz), std::nullopt);
  EXPECT_EQ(TunableHz("40000.001", FrequencyUnit::KHz), std::nullopt);
  EXPECT_EQ(TunableHz("146.52", FrequencyUnit::MHz), std::nullopt);
  EXPECT_EQ(TunableHz("99999999999999999999999", FrequencyUnit::Hz), std::nullopt);
  EXPECT_EQ(TunableHz("0", FrequencyUnit::KHz), std::nullopt);
  for (const char* text : {"", ".", "-7100", "7,1", "7100 kHz", "1e3", "7.1.2"})
    EXPECT_EQ(TunableHz(text, FrequencyUnit::KHz), std::nullopt) << text;
}

TEST(RecogniseImportFormat, TellsTheFormatsApartByTheirFirstLine) {
  EXPECT_EQ(RecogniseImportFormat("\r\n  \r\n" + kScheduleHeader), ImportFormat::Schedule);
  EXPECT_EQ(RecogniseImportFormat("\xEF\xBB\xBF# Tag name          ; color\n"),
            ImportFormat::Bookmarks);
  EXPECT_EQ(RecogniseImportFormat("# Frequency ; Name ; Modulation ; Bandwidth ; Tags\n"),
            ImportFormat::Bookmarks);
  EXPECT_EQ(RecogniseImportFormat("Location,Name,Frequency,Duplex,Offset,Mode,Comment\r\n"),
            ImportFormat::Channels);
  EXPECT_EQ(RecogniseImportFormat("     6070;  12;   AM; \"Radio One\"\r\n"),
            ImportFormat::Unknown);
  EXPECT_EQ(RecogniseImportFormat("# a comment\nkHz:75;Time(UTC):93;\n"), ImportFormat::Unknown);
  EXPECT_EQ(RecogniseImportFormat(""), ImportFormat::Unknown);
}

TEST(ReadSchedule, MakesRowsNamedForStationLanguageTargetTimeAndDays) {
  const Schedule schedule = ReadSchedule(kScheduleHeader +
                                         "6070;0500-0600;Mo-Fr;D;Radio One;E;Eu;;1;;\r\n"
                                         "7325.5;2300-0100;;G;Voice of the Hills;D;WEu;rms;1;;\r\n"
                                         "9420;1200-1300;irr;GRC;\"Kyma\" Radio;;;DRM;1;;\r\n"
                                         "11885.25;0000-2400;1245;AUS;Coastal Relay;En;;\n");
  ASSERT_EQ(schedule.Skipped, 0u);
  std::vector<StationRow> rows;
  for (const ScheduleLine& line : schedule.Lines) rows.push_back(line.Row);
  EXPECT_THAT(
      rows,
      ElementsAre(StationRow{"6070", "6 kHz", "AM", "Radio One E->Eu 0500-0600 Mo-Fr"},
                  StationRow{"7325.5", "6 kHz", "AM", "Voice of the Hills D->WEu 2300-0100"},
                  StationRow{"9420", "12 kHz", "DRM", "\"Kyma\" Radio 1200-1300 irr"},
                  StationRow{"11885.25", "6 kHz", "AM", "Coastal Relay En-> 0000-2400 1245"}));
  EXPECT_EQ(schedule.Lines[2].Days, std::nullopt);
}

TEST(ReadSchedule, SkipsAndCountsLinesItCannotRead) {
  const Schedule schedule = ReadSchedule(kScheduleHeader +
                                         "6070;0500-0600;;D;Radio One;E;Eu\n"
                                         "6070;0500-0600;;D\n"                 // no station column
                                         "abc;0500-0600;;D;Radio Two;E;Eu\n"   // no frequency
                                         "6070;0500;;D;Radio Two;E;Eu\n"       // no span
                                         "6070;2500-0600;;D;Radio Two;E;Eu\n"  // no such hour
                                         "6070.0001;0500-0600;;D;Radio Two;E;Eu\n"
                                         "\n"
                                         "   \n"
                                         "45000;0500-0600;;D;Radio Two;E;Eu\n");
  EXPECT_EQ(schedule.Lines.size(), 1u);
  EXPECT_EQ(schedule.Skipped, 6u);
}

TEST(ReadBookmarks, ReadsTheBookmarksAfterTheTagSection) {
  const ImportedRows imported = ReadBookmarks(
      "# Tag name          ; color\n"
      "Untagged            ; #c0c0c0\n"
      "Broadcast           ; #ff0000\n"
      "\n"
      "# Frequency ; Name                     ; Modulation ; Bandwidth ; Tags\n"
      "    6070000 ; Radio One                ; AM         ;      9000 ; Broadcast\n"
      "    7074000 ; Digital \"FT\" ; USB ; 2400 ; Untagged\n"
      "   14100000 ; Beacon ; CW-U ; 500 ; Untagged\n"
      "   10000000 ; Time signal ; AM-Sync ; ; Untagged\n"
      "   27065000 ; Channel 9 ; Narrow FM ; 10000 ; Untagged\n"
      "    3630500 ; Net ; LSB ; 120000 ; Untagged\n"
      "    9999999 ; Odd mode ; Raw I/Q ; 0 ; Untagged\n"
      "  145500000 ; Calling ; Narrow FM ; 10000 ; Untagged\n"
      "  not a frequency ; Broken ; AM ; 9000 ; Untagged\n",
      kAnsi);
  EXPECT_THAT(imported.Rows, ElementsAre(StationRow{"6070", "12 kHz", "AM", "Radio One"},
                                         StationRow{"7074", "3 kHz", "USB", "Digital \"FT\""},
                                         StationRow{"14100", "0.8 kHz", "CW", "Beacon"},
                                         StationRow{"10000", "6 kHz", "SAM", "Time signal"},
                                         StationRow{"27065", "12 kHz", "FM", "Channel 9"},
                                         StationRow{"3630.5", "50 kHz", "LSB", "Net"},
                                         StationRow{"9999.999", "6 kHz", "AM", "Odd mode"}));
  EXPECT_EQ(imported.Skipped, 2u);
}

TEST(ReadChannels, FindsItsColumnsByTheHeaderAndKeepsQuotedCommas) {
  const ImportedRows imported = ReadChannels(
      "Location,Name,Frequency,Duplex,Offset,Tone,Mode,TStep,Comment\r\n"
      "0,\"Harbour, North\",7.100000,,0.000000,,LSB,5.00,\r\n"
      "1,Marine 16,156.800000,,0.600000,,FM,25.00,too high\r\n"
      "2,\"Say \"\"hello\"\"\",14.070500,,0.000000,,USB,5.00,\r\n"
      "3,CB 19,27.185000,,0.000000,,NFM,5.00,\r\n"
      "4,\"Broken quote,7.0,,,,AM,,\r\n"
      "5,Fine tuned,7.1000015,,,,AM,,\r\n"
      "6,Short\r\n"
      "7,,3.330,,,,CW,,\r\n"
      "8,Mystery,5.000,,,,DV-Experimental,,\r\n",
      kAnsi);
  EXPECT_THAT(imported.Rows, ElementsAre(StationRow{"7100", "3 kHz", "LSB", "Harbour, North"},
                                         StationRow{"14070.5", "3 kHz", "USB", "Say \"hello\""},
                                         StationRow{"27185", "12 kHz", "FM", "CB 19"},
                                         StationRow{"3330", "0.8 kHz", "CW", ""},
                                         StationRow{"5000", "6 kHz", "AM", "Mystery"}));
  EXPECT_EQ(imported.Skipped, 4u);
}

TEST(ImportedRows, NamesWithQuotesSurviveTheListFile) {
  const ImportedRows imported =
      ReadChannels("Location,Name,Frequency,Mode\n1,\"Say \"\"hi\"\"; twice\",7.1,AM\n", kAnsi);
  ASSERT_EQ(imported.Rows.size(), 1u);
  const std::vector<std::string> fields = SplitDelimited(SerialiseRow(imported.Rows[0]));
  ASSERT_EQ(fields.size(), 4u);
  EXPECT_EQ(fields[3], "Say \"hi\"; twice");
}

TEST(DemodulatorForMode, MapsOtherProgramsModeNames) {
  const std::vector<std::pair<const char*, const char*>> cases = {
      {"am", "AM"},  {"NAM", "AM"},          {"AM-Sync", "SAM"},  {"sam", "SAM"}, {"CW-L", "CW"},
      {"CWR", "CW"}, {"RTTY-R", "RTTY"},     {"FSK", "RTTY"},     {"LSB", "LSB"}, {"USB-D", "USB"},
      {"NFM", "FM"}, {"WFM (stereo)", "FM"}, {"Narrow FM", "FM"}, {"DRM", "DRM"}, {"user", "USER"},
      {"", "AM"},    {"Demod Off", "AM"},    {"FMCW", "AM"}};
  for (const auto& [mode, demodulator] : cases)
    EXPECT_STREQ(DemodulatorForMode(mode), demodulator) << mode;
}

TEST(DefaultBandwidth, SuitsEachDemodulator) {
  EXPECT_STREQ(DefaultBandwidth("AM").Text, "6 kHz");
  EXPECT_STREQ(DefaultBandwidth("SAM").Text, "6 kHz");
  EXPECT_STREQ(DefaultBandwidth("USB").Text, "3 kHz");
  EXPECT_STREQ(DefaultBandwidth("RTTY").Text, "1.6 kHz");
  EXPECT_STREQ(DefaultBandwidth("CW").Text, "0.8 kHz");
  EXPECT_STREQ(DefaultBandwidth("FM").Text, "12 kHz");
  EXPECT_STREQ(DefaultBandwidth("DRM").Text, "12 kHz");
}

}  // namespace
}  // namespace vorn
