#include "components/hot_key_manager.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/sim/sim_hidden_window.h"
#include "platform/sim/sim_system_hotkeys.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Registration = SimSystemHotKeys::Registration;

constexpr std::uint32_t kNumpadMinus = 109;
constexpr std::uint32_t kF9 = 120;
constexpr std::uint32_t kAllModifiers = kHotKeyCtrl | kHotKeyShift | kHotKeyAlt | kHotKeyWin;

struct Press {
  std::uint32_t HotKey;
  std::uint16_t Index;
  bool operator==(const Press&) const = default;
};

class HotKeyManagerTest : public ::testing::Test {
 protected:
  HotKeyManagerTest() {
    manager = &TComponent::Create<THotKeyManager>(*form, HotKeyServices{windows, atoms, hotkeys});
  }

  void Record() {
    manager->OnHotKeyPressed = [this](std::uint32_t HotKey, std::uint16_t Index) {
      presses.push_back({HotKey, Index});
    };
  }

  std::intptr_t DeliverHotKey(std::uint16_t id, std::uint16_t modifiers, std::uint16_t key) {
    return windows.Deliver(manager->Handle(), kWmHotKey, id, (std::intptr_t{key} << 16) | modifiers)
        .value();
  }

  SimHiddenWindows windows;
  SimGlobalAtoms atoms;
  SimSystemHotKeys hotkeys{windows};
  std::unique_ptr<TComponent> form = std::make_unique<TComponent>(nullptr);
  THotKeyManager* manager = nullptr;
  std::vector<Press> presses;
};

TEST(SplitKeyTest, MapsModifierBitsToSystemFlagsAndIgnoresBitsOutsideTheEncoding) {
  EXPECT_EQ(SplitKey(kNumpadMinus).Modifiers, 0);
  EXPECT_EQ(SplitKey(kNumpadMinus).Key, 109);
  EXPECT_EQ(SplitKey(kHotKeyShift | 65).Modifiers, kModShift);
  EXPECT_EQ(SplitKey(kHotKeyCtrl | 65).Modifiers, kModControl);
  EXPECT_EQ(SplitKey(kHotKeyAlt | 65).Modifiers, kModAlt);
  EXPECT_EQ(SplitKey(kHotKeyWin | 65).Modifiers, kModWin);
  EXPECT_EQ(SplitKey(kAllModifiers | 65).Modifiers, 15);
  const SplitHotKey noisy = SplitKey(0xFFFE1F00u | 65);  // bits 8-12 and 17-31 all set
  EXPECT_EQ(noisy.Modifiers, 0);
  EXPECT_EQ(noisy.Key, 65);
}

TEST_F(HotKeyManagerTest, RegistersUnderTheAtomOfItsNameWithTheHiddenWindow) {
  ASSERT_NE(manager->Handle(), 0u);
  const std::uint16_t index = manager->RegisterKey(kNumpadMinus);
  EXPECT_EQ(index, atoms.AtomOf("HotKeyManagerHotKey109"));
  EXPECT_GE(index, 0xC000);
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey109"), 1);
  EXPECT_THAT(hotkeys.Registrations(), ElementsAre(Registration{manager->Handle(), index, 0, 109}));

  const std::uint16_t ctrl_a = manager->RegisterKey(kHotKeyCtrl | 65);
  EXPECT_EQ(ctrl_a, atoms.AtomOf("HotKeyManagerHotKey16449"));
  EXPECT_THAT(manager->Entries(),
              ElementsAre(KeyEntry{kNumpadMinus, index}, KeyEntry{kHotKeyCtrl | 65, ctrl_a}));
}

TEST_F(HotKeyManagerTest, RefusedRegistrationGivesTheAtomBackAndStoresNothing) {
  const std::uint16_t first = manager->RegisterKey(kNumpadMinus);
  EXPECT_EQ(manager->RegisterKey(kNumpadMinus), 0);
  EXPECT_EQ(manager->Entries().size(), 1u);
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey109"), 1);
  EXPECT_EQ(manager->Entries().front().Index, first);

  ASSERT_TRUE(hotkeys.RegisterForAnotherProgram(kModControl, 70));
  EXPECT_EQ(manager->RegisterKey(kHotKeyCtrl | 70), 0);
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey16454"), 0);
  EXPECT_EQ(manager->Entries().size(), 1u);

  atoms.SetFull(true);
  EXPECT_EQ(manager->RegisterKey(kF9), 0);
  EXPECT_EQ(hotkeys.Registrations().size(), 2u);  // 109 and the other program's
}

TEST_F(HotKeyManagerTest, PressRaisesTheEventOnceAndAnswersWhatTheDefaultProcedureSays) {
  Record();
  const std::uint16_t index = manager->RegisterKey(kNumpadMinus);
  windows.SetDefaultResult(4711);
  EXPECT_EQ(hotkeys.Press(0, 109), 4711);
  EXPECT_THAT(presses, ElementsAre(Press{kNumpadMinus, index}));
  EXPECT_THAT(windows.DefaultCalls(),
              ElementsAre(SimHiddenWindows::Call{manager->Handle(), kWmHotKey, index,
                                                 std::intptr_t{109} << 16}));

  // Other messages only get the default processing.
  EXPECT_EQ(windows.Deliver(manager->Handle(), 0x0400, 1, 2), 4711);
  EXPECT_EQ(presses.size(), 1u);
  EXPECT_EQ(windows.DefaultCalls().size(), 2u);
}

TEST_F(HotKeyManagerTest, WinAndTheOtherModifiersRoundTripThroughThePress) {
  Record();
  const std::uint16_t all = manager->RegisterKey(kAllModifiers | kF9);
  const std::uint16_t win = manager->RegisterKey(kHotKeyWin | 65);
  EXPECT_THAT(hotkeys.Registrations(),
              ElementsAre(Registration{manager->Handle(), all, 15, 120},
                          Registration{manager->Handle(), win, kModWin, 65}));
  hotkeys.Press(15, 120);
  hotkeys.Press(kModWin, 65);
  EXPECT_THAT(presses, ElementsAre(Press{kAllModifiers | kF9, all}, Press{kHotKeyWin | 65, win}));
  EXPECT_FALSE(manager->ReleaseKey(65));  // the Win bit is part of the value
  EXPECT_TRUE(manager->ReleaseKey(kHotKeyWin | 65));
}

TEST_F(HotKeyManagerTest, ExtraBitsTakeTheKeystrokeButTheirPressesAreNeverReported) {
  Record();
  for (const std::uint32_t extra : {0x100u, 0x1000u, 0x20000u, 0x80000000u}) {
    const std::uint32_t value = kNumpadMinus | extra;
    const std::uint16_t index = manager->RegisterKey(value);
    ASSERT_NE(index, 0) << extra;
    EXPECT_EQ(index, atoms.AtomOf("HotKeyManagerHotKey" + std::to_string(value)));
    EXPECT_EQ(manager->Entries().back().HotKey, value);
    EXPECT_EQ(manager->RegisterKey(kNumpadMinus), 0) << "same keystroke as 109";
    EXPECT_TRUE(hotkeys.Press(0, 109).has_value());
    EXPECT_FALSE(manager->ReleaseKey(kNumpadMinus));
    EXPECT_TRUE(manager->ReleaseKey(value));
  }
  EXPECT_THAT(presses, IsEmpty());
  EXPECT_EQ(atoms.Count(), 0u);
}

TEST_F(HotKeyManagerTest, NoEventWhileUnassignedNorForAValueThatIsNoLongerRegistered) {
  const std::uint16_t index = manager->RegisterKey(kNumpadMinus);
  windows.SetDefaultResult(9);
  EXPECT_EQ(hotkeys.Press(0, 109), 9);
  Record();
  hotkeys.Press(0, 109);
  EXPECT_THAT(presses, ElementsAre(Press{kNumpadMinus, index}));

  manager->ReleaseAll();
  EXPECT_EQ(DeliverHotKey(index, 0, 109), 9);  // one still queued after the release
  EXPECT_EQ(presses.size(), 1u);
  EXPECT_EQ(windows.DefaultCalls().size(), 3u);
}

TEST_F(HotKeyManagerTest, TheEventReportsTheIdentifierTheSystemSends) {
  Record();
  manager->RegisterKey(kNumpadMinus);
  DeliverHotKey(0xC123, 0, 109);
  EXPECT_THAT(presses, ElementsAre(Press{kNumpadMinus, 0xC123}));
}

TEST_F(HotKeyManagerTest, ReleasesMatchAllBitsAndTakeTheFirstEntry) {
  const std::uint16_t a = manager->RegisterKey(65);
  const std::uint16_t b = manager->RegisterKey(66);
  const std::uint16_t c = manager->RegisterKey(67);
  EXPECT_FALSE(manager->ReleaseKey(68));
  EXPECT_FALSE(manager->ReleaseIndex(0));
  EXPECT_FALSE(manager->ReleaseIndex(0xFFFF));
  EXPECT_EQ(manager->Entries().size(), 3u);

  EXPECT_TRUE(manager->ReleaseIndex(b));
  EXPECT_THAT(manager->Entries(), ElementsAre(KeyEntry{65, a}, KeyEntry{67, c}));
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey66"), 0);
  EXPECT_EQ(hotkeys.Registrations().size(), 2u);
  EXPECT_TRUE(manager->ReleaseKey(67));
  EXPECT_FALSE(manager->ReleaseKey(67));
  EXPECT_THAT(manager->Entries(), ElementsAre(KeyEntry{65, a}));
}

TEST_F(HotKeyManagerTest, RefusedUnregistrationStillDropsTheEntryAndItsAtom) {
  manager->RegisterKey(65);
  const std::uint16_t b = manager->RegisterKey(66);
  hotkeys.RefuseUnregistrations(true);
  EXPECT_FALSE(manager->ReleaseKey(65));
  EXPECT_FALSE(manager->ReleaseIndex(b));
  EXPECT_THAT(manager->Entries(), IsEmpty());
  EXPECT_EQ(atoms.Count(), 0u);
}

TEST_F(HotKeyManagerTest, ReleaseAllEmptiesTheListAndForgetsFormerIndexes) {
  manager->ReleaseAll();
  const std::uint16_t a = manager->RegisterKey(65);
  manager->RegisterKey(kHotKeyShift | 66);
  manager->ReleaseAll();
  EXPECT_THAT(manager->Entries(), IsEmpty());
  EXPECT_THAT(hotkeys.Registrations(), IsEmpty());
  EXPECT_EQ(atoms.Count(), 0u);
  EXPECT_FALSE(manager->ReleaseIndex(a));
}

TEST_F(HotKeyManagerTest, ReplaceKeyNeedsAKnownIndex) {
  manager->RegisterKey(65);
  EXPECT_EQ(manager->ReplaceKey(0, 66), 0);
  EXPECT_EQ(manager->ReplaceKey(0xC999, 66), 0);
  EXPECT_EQ(manager->Entries().size(), 1u);
  EXPECT_EQ(hotkeys.Registrations().size(), 1u);
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey66"), 0);
}

TEST_F(HotKeyManagerTest, ReplaceKeySwapsTheRegistrationAndAppendsTheNewEntry) {
  const std::uint16_t a = manager->RegisterKey(65);
  const std::uint16_t b = manager->RegisterKey(66);
  const std::uint16_t c = manager->ReplaceKey(a, 67);
  ASSERT_NE(c, 0);
  EXPECT_THAT(manager->Entries(), ElementsAre(KeyEntry{66, b}, KeyEntry{67, c}));
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey65"), 0);

  // Replacing a key by itself works: the old one is gone before the new one.
  const std::uint16_t again = manager->ReplaceKey(c, 67);
  EXPECT_NE(again, 0);
  EXPECT_EQ(manager->Entries().size(), 2u);

  // A refused new key leaves nothing of the old one behind.
  ASSERT_TRUE(hotkeys.RegisterForAnotherProgram(0, 68));
  EXPECT_EQ(manager->ReplaceKey(b, 68), 0);
  EXPECT_THAT(manager->Entries(), ElementsAre(KeyEntry{67, again}));
}

TEST_F(HotKeyManagerTest, ReplaceKeyRegistersTheNewKeyEvenWhenTheOldOneStays) {
  const std::uint16_t a = manager->RegisterKey(65);
  hotkeys.RefuseUnregistrations(true);
  const std::uint16_t b = manager->ReplaceKey(a, 66);
  ASSERT_NE(b, 0);
  EXPECT_THAT(manager->Entries(), ElementsAre(KeyEntry{66, b}));
}

TEST_F(HotKeyManagerTest, DestructionReleasesEveryRegistrationAndTheWindow) {
  manager->RegisterKey(65);
  manager->RegisterKey(kAllModifiers | 66);
  ASSERT_TRUE(hotkeys.RegisterForAnotherProgram(0, 67));
  {
    TComponent owner(nullptr);
    auto& second =
        TComponent::Create<THotKeyManager>(owner, HotKeyServices{windows, atoms, hotkeys});
    second.RegisterKey(kNumpadMinus);
    EXPECT_EQ(windows.LiveWindows().size(), 2u);
  }
  EXPECT_EQ(windows.LiveWindows().size(), 1u);
  EXPECT_EQ(hotkeys.Registrations().size(), 3u);

  form.reset();
  manager = nullptr;
  EXPECT_THAT(windows.LiveWindows(), IsEmpty());
  EXPECT_THAT(hotkeys.Registrations(),
              ElementsAre(Registration{SimSystemHotKeys::kAnotherProgram, 0xBFFF, 0, 67}));
  EXPECT_EQ(atoms.Count(), 0u);
}

TEST_F(HotKeyManagerTest, AHandlerMayReleaseReassignOrDestroyDuringThePress) {
  const std::uint16_t index = manager->RegisterKey(kNumpadMinus);
  int calls = 0;
  manager->OnHotKeyPressed = [&](std::uint32_t, std::uint16_t) {
    ++calls;
    manager->OnHotKeyPressed = nullptr;
    manager->ReplaceKey(index, kF9);
  };
  hotkeys.Press(0, 109);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(manager->Entries().front().HotKey, kF9);

  auto owner = std::make_unique<TComponent>(nullptr);
  auto& doomed =
      TComponent::Create<THotKeyManager>(*owner, HotKeyServices{windows, atoms, hotkeys});
  doomed.RegisterKey(65);
  doomed.OnHotKeyPressed = [&](std::uint32_t, std::uint16_t) { owner.reset(); };
  windows.SetDefaultResult(3);
  EXPECT_EQ(hotkeys.Press(0, 65), 3);
  EXPECT_EQ(owner, nullptr);
  EXPECT_FALSE(hotkeys.Press(0, 65).has_value());
}

TEST(HotKeyManagerDesignTest, InDesignStateTouchesNoSystemResource) {
  SimHiddenWindows windows;
  SimGlobalAtoms atoms;
  SimSystemHotKeys hotkeys{windows};
  TComponent designer(nullptr);
  designer.SetDesigning(true);
  auto& manager =
      TComponent::Create<THotKeyManager>(designer, HotKeyServices{windows, atoms, hotkeys});
  EXPECT_TRUE(manager.Designing());
  EXPECT_EQ(manager.Handle(), 0u);
  EXPECT_EQ(manager.RegisterKey(kNumpadMinus), 0);
  EXPECT_EQ(windows.CreatedCount(), 0u);
  EXPECT_EQ(atoms.Count(), 0u);
  EXPECT_THAT(hotkeys.Registrations(), IsEmpty());
}

}  // namespace
}  // namespace vorn
