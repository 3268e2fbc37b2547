#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/endpoint_table.h"
#include "app/settings.h"
#include "platform/framework_error.h"
#include "platform/sim/ini_file_profile.h"
#include "receiver/keypad_captions.h"
#include "temp_dir.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::Optional;

TEST(ParseProfileIntTest, DecimalAndEveryHexadecimalPrefix) {
  EXPECT_THAT(ParseProfileInt("109"), Optional(109));
  EXPECT_THAT(ParseProfileInt("0109"), Optional(109));
  for (const char* text : {"$6D", "$6d", "0x6D", "0X6d", "x6D", "X6d"})
    EXPECT_THAT(ParseProfileInt(text), Optional(109)) << text;
  EXPECT_THAT(ParseProfileInt("$406D"), Optional(0x406D));
  EXPECT_THAT(ParseProfileInt("0"), Optional(0));
}

TEST(ParseProfileIntTest, LeadingBlanksAndASign) {
  EXPECT_THAT(ParseProfileInt("   42"), Optional(42));
  EXPECT_THAT(ParseProfileInt("-42"), Optional(-42));
  EXPECT_THAT(ParseProfileInt("+42"), Optional(42));
  EXPECT_THAT(ParseProfileInt("  -$10"), Optional(-16));
}

TEST(ParseProfileIntTest, RefusesWhatIsNotOneWholeNumber) {
  for (const char* text : {"", "   ", "-", "+", "$", "0x", "x", "abc", "12abc", "12 ", "1 2", "- 1",
                           "--1", "1.5", "$G", "0x-5", "$+5", "1e3", "\t5"})
    EXPECT_EQ(ParseProfileInt(text), std::nullopt) << '"' << text << '"';
}

TEST(ParseProfileIntTest, RefusesValuesBeyond32Bits) {
  EXPECT_THAT(ParseProfileInt("2147483647"), Optional(2147483647));
  EXPECT_THAT(ParseProfileInt("-2147483648"), Optional(INT32_MIN));
  EXPECT_THAT(ParseProfileInt("$7FFFFFFF"), Optional(INT32_MAX));
  EXPECT_THAT(ParseProfileInt("-$80000000"), Optional(INT32_MIN));
  for (const char* text : {"2147483648", "-2147483649", "$80000000", "$FFFFFFFF",
                           "99999999999999999999999", "0x100000000"})
    EXPECT_EQ(ParseProfileInt(text), std::nullopt) << text;
}

TEST(KeypadCaptionsTest, VersionChoosesTitleAndConfirmCaption) {
  for (const char* version : {"V2.1f", "v2.1f", "V2.1F"}) {
    const KeypadCaptions c = KeypadCaptionsFor(version);
    EXPECT_EQ(c.PanelTitle, "Frequency") << version;
    EXPECT_EQ(c.PanelTerminator, "kHz");
  }
  for (const char* version : {"V2.1g", "V2.1f ", "", "V3.0"}) {
    const KeypadCaptions c = KeypadCaptionsFor(version);
    EXPECT_EQ(c.PanelTitle, "Frequency (kHz)") << version;
    EXPECT_EQ(c.PanelTerminator, "Ok");
  }
}

class SettingsTest : public ::testing::Test {
 protected:
  std::string IniPath() const { return dir.Path("Vorn.ini"); }
  TempDir dir;
  IniFileProfile profile;
};

TEST_F(SettingsTest, AMissingFileGivesTheDefaultsAndNoSavedHotkey) {
  const Settings s = ReadSettings(profile, dir.Dir());
  EXPECT_FALSE(s.FileFound);
  EXPECT_EQ(s.HotKey, 109u);
  EXPECT_EQ(s.SavedHotKey, 0u);
  EXPECT_EQ(s.Version, "V2.1f");
  EXPECT_FALSE(s.AutoHide);
  EXPECT_EQ(s.ListName, "");
  EXPECT_STREQ(kSettingsMissingMessage,
               "File not found: Vorn.ini\rHotkey is Numpad-Subtract (-)\rWorking on Perseus V2.1f");
}

TEST_F(SettingsTest, ReadsEveryKey) {
  dir.Write("Vorn.ini",
            "[Placement]\r\nLeft=-20\r\nTop=$40\r\nWidth=0x12C\r\nHeight= 400 \r\n"
            "[hotkey]\r\nKEY=$406D\r\n"
            "[Perseus]\r\nVersion=v2.1f\r\n"
            "[Autohide]\r\nChecked=5\r\n"
            "[StationLists]\r\nDefault=my list.txt\r\n");
  const Settings s = ReadSettings(profile, dir.Dir());
  EXPECT_TRUE(s.FileFound);
  EXPECT_EQ(s.Placement, (WindowPlacement{-20, 64, 300, 400}));
  EXPECT_EQ(s.HotKey, 0x406Du);  // numeric keypad minus with Ctrl
  EXPECT_EQ(s.SavedHotKey, 0x406Du);
  EXPECT_EQ(s.Version, "v2.1f");
  EXPECT_TRUE(s.AutoHide);
  EXPECT_EQ(s.ListName, "my list.txt");
  EXPECT_EQ(KeypadCaptionsFor(s.Version).PanelTitle, "Frequency");
}

TEST_F(SettingsTest, MissingOrUnreadableKeysGiveTheirDefaults) {
  dir.Write("Vorn.ini",
            "[Placement]\nLeft=\nTop=abc\nWidth=99999999999\n"
            "[Hotkey]\nKey=0x\n[Autohide]\nChecked=yes\n[StationLists]\nDefault=a.txt\n");
  const Settings s = ReadSettings(profile, dir.Dir());
  EXPECT_EQ(s.Placement, (WindowPlacement{100, 100, 180, 374}));
  EXPECT_EQ(s.HotKey, 109u);
  EXPECT_EQ(s.SavedHotKey, 109u);
  EXPECT_EQ(s.Version, "V2.1f");
  EXPECT_FALSE(s.AutoHide);
  EXPECT_EQ(s.ListName, "a.txt");
}

TEST_F(SettingsTest, TextsAreCutAt2047Characters) {
  dir.Write("Vorn.ini", "[Perseus]\nVersion=" + std::string(3000, 'v') + "\n");
  EXPECT_EQ(ReadSettings(profile, dir.Dir()).Version, std::string(2047, 'v'));
}

TEST_F(SettingsTest, FirstCloseCreatesTheFileWithEveryWrittenKey) {
  SettingsToWrite values{109, "V2.1f", {10, 20, 300, 400}, true, {}, {}};
  WriteSettings(profile, dir.Dir(), values, true);
  const std::string text = dir.Read("Vorn.ini");
  EXPECT_THAT(text, Not(HasSubstr("StationLists")));
  const Settings s = ReadSettings(profile, dir.Dir());
  EXPECT_TRUE(s.FileFound);
  EXPECT_EQ(s.Placement, (WindowPlacement{10, 20, 300, 400}));
  EXPECT_EQ(s.HotKey, 109u);
  EXPECT_EQ(s.Version, "V2.1f");
  EXPECT_TRUE(s.AutoHide);
  EXPECT_EQ(dir.Read("Vorn.ini"),
            "[Hotkey]\r\nKey=109\r\n[Perseus]\r\nVersion=V2.1f\r\n"
            "[Placement]\r\nLeft=10\r\nTop=20\r\nWidth=300\r\nHeight=400\r\n"
            "[Autohide]\r\nChecked=1\r\n");
}

TEST_F(SettingsTest, AHotkeyNotKeptAndOtherKeysStayAsTheyAre) {
  dir.Write("Vorn.ini",
            "[Hotkey]\r\nKey=$406D\r\n[Perseus]\r\nVersion=v2.1f\r\n"
            "[StationLists]\r\nDefault=list.txt\r\n[Placement]\r\nLeft=1\r\n");
  Settings s = ReadSettings(profile, dir.Dir());
  WriteSettings(profile, dir.Dir(), {0x6B, s.Version, {5, 6, 7, 8}, false, {}, {}}, false);
  s = ReadSettings(profile, dir.Dir());
  EXPECT_EQ(s.HotKey, 0x406Du);
  EXPECT_EQ(s.Version, "v2.1f");
  EXPECT_EQ(s.ListName, "list.txt");
  EXPECT_EQ(s.Placement, (WindowPlacement{5, 6, 7, 8}));
  EXPECT_FALSE(s.AutoHide);
  EXPECT_THAT(dir.Read("Vorn.ini"), HasSubstr("Key=$406D\r\n"));
}

// Records the service calls, and refuses writes from the n-th one on.
class RecordingProfile : public PrivateProfile {
 public:
  bool FileExists(const std::string&) override { return true; }
  std::string ReadString(const std::string&, const std::string& section, const std::string& key,
                         const std::string& fallback) override {
    calls.push_back("read " + section + " " + key);
    return fallback;
  }
  void WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override {
    calls.push_back("write " + section + " " + key + "=" + value);
    if (--writes_allowed < 0) throw ProfileWriteError(path);
  }
  std::vector<std::string> calls;
  int writes_allowed = 100;
};

TEST(SettingsOrderTest, ReadsAndWritesInTheFileOrder) {
  RecordingProfile profile;
  ReadSettings(profile, "C:\\dir\\");
  EXPECT_THAT(profile.calls,
              ElementsAre("read Placement Left", "read Placement Top", "read Placement Width",
                          "read Placement Height", "read Hotkey Key", "read Perseus Version",
                          "read Autohide Checked", "read StationLists Default", "read Hotkey Next",
                          "read Hotkey Previous", "read Start WaitForReceiver"));
  profile.calls.clear();
  WriteSettings(profile, "C:\\dir\\", {109, "V2.1f", {1, 2, 3, 4}, false, 120, 0}, true);
  EXPECT_THAT(profile.calls, ElementsAre("write Hotkey Key=109", "write Hotkey Next=120",
                                         "write Hotkey Previous=0", "write Perseus Version=V2.1f",
                                         "write Placement Left=1", "write Placement Top=2",
                                         "write Placement Width=3", "write Placement Height=4",
                                         "write Autohide Checked=0"));
}

TEST(SettingsOrderTest, ARefusedWriteStopsWithThePathInTheError) {
  RecordingProfile profile;
  profile.writes_allowed = 1;
  try {
    WriteSettings(profile, "C:\\dir\\", {109, "V2.1f", {1, 2, 3, 4}, false, {}, {}}, false);
    FAIL() << "no error";
  } catch (const ProfileWriteError& error) {
    EXPECT_STREQ(error.what(), "In C:\\dir\\Vorn.ini kann nicht geschrieben werden");
  }
  EXPECT_EQ(profile.calls.size(), 2u);
}

TEST_F(SettingsTest, AWriteIntoAMissingDirectoryIsRefused) {
  EXPECT_THROW(WriteSettings(profile, dir.Path("nowhere") + "/", {}, true), ProfileWriteError);
}

TEST_F(SettingsTest, IniFileKeepsLayoutAndMatchesNamesWithoutCase) {
  dir.Write("Vorn.ini", "; comment\n[A]\nx = \"quoted value\" \ny=2\n\n[B]\nz=3\n");
  EXPECT_EQ(profile.ReadString(IniPath(), "a", "X", "d"), "quoted value");
  EXPECT_EQ(profile.ReadString(IniPath(), "A", "missing", "d"), "d");
  EXPECT_EQ(profile.ReadString(IniPath(), "C", "z", "d"), "d");
  profile.WriteString(IniPath(), "a", "NEW", "4");
  profile.WriteString(IniPath(), "b", "Z", "5");
  EXPECT_EQ(dir.Read("Vorn.ini"),
            "; comment\r\n[A]\r\nx = \"quoted value\" \r\ny=2\r\nNEW=4\r\n\r\n[B]\r\nZ=5\r\n");
}

TEST(RemoteSettingsTest, OffOnLoopbackUnlessTheFileSaysOtherwise) {
  TempDir dir;
  IniFileProfile profile;
  const EndpointKind& network = EndpointTable().at(0);
  const EndpointSettings defaults{false, network.DefaultPort, network.DefaultAddress, ""};
  const EndpointSettings none = ReadEndpointSettings(profile, dir.Dir(), "Remote", defaults);
  EXPECT_FALSE(none.Enabled);
  EXPECT_EQ(none.Port, 4532);
  EXPECT_EQ(none.Address, "127.0.0.1");

  dir.Write("Vorn.ini", "[Remote]\r\nEnabled=1\r\nPort=$1000\r\nAddress=192.168.1.5\r\n");
  const EndpointSettings set = ReadEndpointSettings(profile, dir.Dir(), "Remote", defaults);
  EXPECT_TRUE(set.Enabled);
  EXPECT_EQ(set.Port, 4096);
  EXPECT_EQ(set.Address, "192.168.1.5");

  // The serial row: off, and its port by name once the file gives one.
  const EndpointKind& cat = EndpointTable().at(1);
  EXPECT_EQ(cat.Transport, EndpointTransport::Serial);
  const EndpointSettings serial_defaults{false, cat.DefaultPort, cat.DefaultAddress, ""};
  const EndpointSettings cat_none =
      ReadEndpointSettings(profile, dir.Dir(), "Cat", serial_defaults);
  EXPECT_FALSE(cat_none.Enabled);
  EXPECT_EQ(cat_none.PortName, "");
  dir.Write("Vorn.ini", "[Cat]\r\nEnabled=1\r\nPort=COM5\r\n");
  const EndpointSettings cat_set = ReadEndpointSettings(profile, dir.Dir(), "Cat", serial_defaults);
  EXPECT_TRUE(cat_set.Enabled);
  EXPECT_EQ(cat_set.PortName, "COM5");
}

}  // namespace
}  // namespace vorn
