#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "components/hot_key_manager.h"
#include "platform/sim/sim_keyboard_layouts.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using LoadCall = SimKeyboardLayouts::LoadCall;

constexpr LayoutHandle kUs = 0x04090409;
constexpr LayoutHandle kGerman = 0x04070407;
constexpr std::uint32_t kExtended = 1u << 24;
constexpr std::uint32_t kAllModifiers = kHotKeyCtrl | kHotKeyShift | kHotKeyAlt | kHotKeyWin;

std::uint32_t Code(std::uint32_t scan_code, bool extended = false) {
  return (scan_code << 16) | (extended ? kExtended : 0);
}

// The two layouts share the cursor-block and keypad scan codes, and swap the
// scan codes of Y and Z as the real ones do.
SimKeyboardLayouts::Layout German(const std::string& alt = "Alt") {
  return {"00000407",
          {{16, 0x2A},
           {17, 0x1D},
           {18, 0x38},
           {36, 0x47},
           {46, 0x53},
           {89, 0x2C},
           {90, 0x15},
           {103, 0x47},
           {109, 0x4A},
           {110, 0x53},
           {120, 0x43}},
          {{Code(0x2A), "Umschalt"},
           {Code(0x1D), "Strg"},
           {Code(0x38), alt},
           {Code(0x47, true), "Pos1"},
           {Code(0x47), "7 (Zehnertastatur)"},
           {Code(0x53, true), "Entf"},
           {Code(0x53), "Komma (Zehnertastatur)"},
           {Code(0x4A), "- (Zehnertastatur)"},
           {Code(0x43), "F9"},
           {Code(0x15), "Z"},
           {Code(0x2C), "Y"}}};
}

SimKeyboardLayouts::Layout Us() {
  return {"00000409",
          {{16, 0x2A},
           {17, 0x1D},
           {18, 0x38},
           {36, 0x47},
           {46, 0x53},
           {89, 0x15},
           {90, 0x2C},
           {103, 0x47},
           {109, 0x4A},
           {110, 0x53},
           {120, 0x43}},
          {{Code(0x2A), "Shift"},
           {Code(0x1D), "Ctrl"},
           {Code(0x38), "Alt"},
           {Code(0x47, true), "Home"},
           {Code(0x47), "Num 7"},
           {Code(0x53, true), "Delete"},
           {Code(0x53), "Num Del"},
           {Code(0x4A), "Num -"},
           {Code(0x43), "F9"},
           {Code(0x15), "Y"},
           {Code(0x2C), "Z"}}};
}

class KeyTextTest : public ::testing::Test {
 protected:
  void StartUp(KeyboardLayouts& with) {
    key_text.reset();
    key_text = std::make_unique<KeyTextLayout>(with);
  }
  void End() { key_text.reset(); }

  // A German system without the US layout loaded.
  void StartGerman(const std::string& alt = "Alt") {
    layouts.InstallLoaded(kGerman, German(alt));
    layouts.Install(kUs, Us());
    StartUp(layouts);
  }

  SimKeyboardLayouts layouts;
  std::unique_ptr<KeyTextLayout> key_text;
};

TEST_F(KeyTextTest, ComposesModifiersInFixedOrderBeforeTheKeyName) {
  StartGerman();
  EXPECT_EQ(KeyText(kAllModifiers | 120, false), "Ctrl+Shift+Alt+Win+F9");
  EXPECT_EQ(KeyText(kAllModifiers | 120, true), "Strg+Umschalt+Alt+Win+F9");
  EXPECT_EQ(KeyText(kHotKeyAlt | kHotKeyCtrl | 109, false), "Ctrl+Alt+Num -");
  EXPECT_EQ(KeyText(kHotKeyShift | kHotKeyWin | 109, true), "Umschalt+Win+- (Zehnertastatur)");
  EXPECT_EQ(KeyText(109, false), "Num -");
  EXPECT_EQ(KeyText(109, true), "- (Zehnertastatur)");
}

TEST_F(KeyTextTest, EnglishNamesUseTheUsScanCodeAndTheUsNames) {
  StartGerman();
  EXPECT_EQ(KeyText(90, false), "Z");
  EXPECT_EQ(KeyText(90, true), "Z");
  EXPECT_EQ(KeyText(89, false), "Y");
  EXPECT_EQ(layouts.ActiveLayout(), kGerman);
}

TEST_F(KeyTextTest, OnlyTheTenCursorBlockKeysAreAskedForWithTheExtendedFlag) {
  SimKeyboardLayouts::Layout every_key{"00000407", {}, {}};
  for (std::uint32_t key = 1; key < 256; ++key) every_key.ScanCodes[key] = 0x01;
  layouts.InstallLoaded(kGerman, every_key);
  layouts.Install(kUs, Us());
  StartUp(layouts);
  const std::size_t before = layouts.NameRequests().size();
  for (std::uint32_t key = 1; key < 256; ++key) KeyText(key, true);
  ASSERT_EQ(layouts.NameRequests().size(), before + 255);
  std::vector<std::uint32_t> extended;
  for (std::size_t i = before; i < layouts.NameRequests().size(); ++i)
    if (layouts.NameRequests()[i].KeyCode & kExtended) extended.push_back(i - before + 1);
  EXPECT_THAT(extended, ElementsAre(33, 34, 35, 36, 37, 38, 39, 40, 45, 46));
}

TEST_F(KeyTextTest, CursorBlockAndKeypadKeysSharingAScanCodeGetTheirOwnNames) {
  StartGerman();
  EXPECT_EQ(KeyText(36, false), "Home");
  EXPECT_EQ(KeyText(103, false), "Num 7");
  EXPECT_EQ(KeyText(46, true), "Entf");
  EXPECT_EQ(KeyText(110, true), "Komma (Zehnertastatur)");
}

TEST_F(KeyTextTest, AKeyWithoutScanCodeLeavesTheModifierTextAndAsksNothing) {
  StartGerman();
  const std::size_t requests = layouts.NameRequests().size();
  const std::size_t activations = layouts.Activations().size();
  EXPECT_EQ(KeyText(kHotKeyCtrl | kHotKeyAlt, false), "Ctrl+Alt+");
  EXPECT_EQ(KeyText(kHotKeyCtrl | 0xE8, true), "Strg+");
  EXPECT_EQ(KeyText(0, true), "");
  EXPECT_EQ(layouts.NameRequests().size(), requests);
  EXPECT_EQ(layouts.Activations().size(), activations);
}

TEST_F(KeyTextTest, EnglishLookupBorrowsTheUsLayoutOnlyWhenAnotherIsActive) {
  StartGerman();
  ASSERT_THAT(layouts.Activations(), IsEmpty());
  KeyText(120, false);
  EXPECT_THAT(layouts.Activations(), ElementsAre(kUs, kGerman));
  EXPECT_EQ(layouts.NameRequests().back(), (SimKeyboardLayouts::NameRequest{Code(0x43), 256, kUs}));

  layouts.SetActive(kUs);
  EXPECT_EQ(KeyText(kHotKeyCtrl | 36, false), "Ctrl+Home");
  EXPECT_EQ(layouts.Activations().size(), 2u);
  EXPECT_EQ(layouts.ActiveLayout(), kUs);
}

TEST_F(KeyTextTest, LocalizedModifierNamesAreFixedAtStartUpWhileKeyNamesFollowTheLayout) {
  StartGerman();
  layouts.SetActive(kUs);
  EXPECT_EQ(KeyText(kHotKeyCtrl | 36, true), "Strg+Home");
}

TEST_F(KeyTextTest, WinIsWrittenInCapitalsWhenTheAltNameIsAllCapitals) {
  const struct {
    std::string alt;
    std::string win;
  } cases[] = {{"ALT", "WIN"},  {"", "WIN"},       {"Alt", "Win"},    {"AL T", "Win"},
               {"ALT1", "Win"}, {"\xC4LT", "Win"}, {"ALT\xC4", "Win"}};
  for (const auto& c : cases) {
    SimKeyboardLayouts fresh;
    fresh.InstallLoaded(kGerman, German(c.alt));
    fresh.Install(kUs, Us());
    StartUp(fresh);
    EXPECT_EQ(KeyText(kHotKeyAlt | kHotKeyWin, true), c.alt + "+" + c.win + "+") << c.alt;
    EXPECT_EQ(KeyText(kHotKeyWin, false), "Win+");
    End();
  }
}

TEST_F(KeyTextTest, ModifierNamesMayBeEmptyWhenTheSystemHasNone) {
  layouts.InstallLoaded(kGerman, {"00000407", {{120, 0x43}}, {{Code(0x43), "F9"}}});
  layouts.Install(kUs, Us());
  StartUp(layouts);
  EXPECT_EQ(KeyText(kAllModifiers | 120, true), "+++WIN+F9");
}

TEST_F(KeyTextTest, TheUsLayoutLoadedAtStartUpIsGivenBackAtTheEnd) {
  StartGerman();
  EXPECT_THAT(layouts.Loads(), ElementsAre(LoadCall{"00000409", 128}));
  EXPECT_TRUE(layouts.IsLoaded(kUs));
  End();
  EXPECT_THAT(layouts.Unloads(), ElementsAre(kUs));
  // The handle given back is not used again.
  const std::size_t requests = layouts.NameRequests().size();
  EXPECT_EQ(KeyText(kHotKeyCtrl | 120, false), "Ctrl+");
  EXPECT_EQ(layouts.NameRequests().size(), requests);
  EXPECT_EQ(layouts.Activations().size(), 0u);
}

TEST_F(KeyTextTest, AUsLayoutTheSystemAlreadyHadIsNeverUnloaded) {
  layouts.InstallLoaded(kGerman, German());
  layouts.InstallLoaded(kUs, Us());
  StartUp(layouts);
  EXPECT_THAT(layouts.Loads(), ElementsAre(LoadCall{"00000409", 128}));
  End();
  EXPECT_THAT(layouts.Unloads(), IsEmpty());
  EXPECT_TRUE(layouts.IsLoaded(kUs));
}

TEST_F(KeyTextTest, KeyNamesAreCutAt255Characters) {
  const std::string long_name(300, 'k');
  layouts.InstallLoaded(kUs, {"00000409", {{120, 0x43}}, {{Code(0x43), long_name}}});
  StartUp(layouts);
  EXPECT_EQ(KeyText(120, true), long_name.substr(0, 255));
  EXPECT_EQ(KeyText(kHotKeyShift | 120, false), "Shift+" + long_name.substr(0, 255));
}

}  // namespace
}  // namespace vorn
