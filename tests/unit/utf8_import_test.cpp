// Other programs' files in UTF-8: told from ANSI text, and their names brought
// into the code page that list files hold.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/sim/sim_code_page.h"
#include "stations/import/bookmark_reader.h"
#include "stations/import/channel_reader.h"
#include "stations/import/import_lines.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::Optional;

const SimCodePage kAnsi;
// "Señal" in UTF-8, and in Windows-1252.
constexpr const char* kSenalUtf8 =
    "Se\xC3\xB1"
    "al";
constexpr const char* kSenalAnsi =
    "Se\xF1"
    "al";

TEST(SimCodePageTest, ConvertsValidUtf8AndRefusesEverythingElse) {
  EXPECT_THAT(kAnsi.FromUtf8(kSenalUtf8), Optional(std::string(kSenalAnsi)));
  // The euro sign and the quotes live in 0x80-0x9F; U+0081 keeps its byte.
  EXPECT_THAT(kAnsi.FromUtf8("\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D \xC2\x81"),
              Optional(std::string("\x80 \x93x\x94 \x81")));
  // Characters the code page lacks: a Latin letter with macron, a CJK one, an emoji.
  EXPECT_THAT(kAnsi.FromUtf8("\xC4\x80|\xE6\x97\xA5|\xF0\x9F\x93\xBB"),
              Optional(std::string("?|?|?")));
  for (const char* invalid :
       {"Se\xF1"
        "al",
        "\xC0\x80", "\xED\xA0\x80", "\xE2\x82", "\x80", "\xF4\x90\x80\x80", "\xE0\x9F\xBF"})
    EXPECT_EQ(kAnsi.FromUtf8(invalid), std::nullopt) << invalid;
}

TEST(AnsiImportTextTest, ConvertsOnlyUtf8BeyondAsciiOrAfterTheMark) {
  EXPECT_EQ(AnsiImportText(std::string("Name;") + kSenalUtf8, kAnsi),
            std::string("Name;") + kSenalAnsi);
  EXPECT_EQ(AnsiImportText("\xEF\xBB\xBFplain", kAnsi), "plain");
  EXPECT_EQ(AnsiImportText("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9", kAnsi), "\xE9t\xE9");
  // ISO-8859-1 or ANSI text is no valid UTF-8 and stays as it is, a mark too.
  EXPECT_EQ(AnsiImportText(kSenalAnsi, kAnsi), kSenalAnsi);
  EXPECT_EQ(AnsiImportText("\xEF\xBB\xBF"
                           "Se\xF1"
                           "al",
                           kAnsi),
            "\xEF\xBB\xBF"
            "Se\xF1"
            "al");
  EXPECT_EQ(AnsiImportText("ascii only", kAnsi), "ascii only");
}

TEST(Utf8ImportTest, BookmarksAndChannelsGetTheirNamesInTheCodePage) {
  const std::string bookmarks = std::string(
                                    "# Frequency ; Name ; Modulation ; Bandwidth ; Tags\n"
                                    "    9650000 ; ") +
                                kSenalUtf8 + " ; AM ; 9000 ; Untagged\n";
  EXPECT_THAT(ReadBookmarks(bookmarks, kAnsi).Rows,
              ElementsAre(StationRow{"9650", "12 kHz", "AM", kSenalAnsi}));
  EXPECT_THAT(ReadBookmarks("\xEF\xBB\xBF" + bookmarks, kAnsi).Rows,
              ElementsAre(StationRow{"9650", "12 kHz", "AM", kSenalAnsi}));

  const std::string channels = std::string(
      "\xEF\xBB\xBFLocation,Name,Frequency,Mode\r\n1,\"Caf\xC3\xA9, Nord\",7.1,LSB\r\n");
  EXPECT_THAT(ReadChannels(channels, kAnsi).Rows,
              ElementsAre(StationRow{"7100", "3 kHz", "LSB", "Caf\xE9, Nord"}));
}

}  // namespace
}  // namespace vorn
