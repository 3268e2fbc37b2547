#include "components/lumo_tray_icon.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/sim/sim_hidden_window.h"
#include "platform/sim/sim_notify_icon.h"
#include "platform/sim/sim_toolkit.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using Request = SimNotifyIconShell::Request;

std::string TipOf(const NotifyIconData& record) {
  return record.Tip.data();
}

// Besides recording, notes whether the tray's window still lived when the
// icon was deleted.
class WatchingShell : public SimNotifyIconShell {
 public:
  explicit WatchingShell(SimHiddenWindows& windows) : windows_(windows) {}
  bool DeleteIcon(const NotifyIconData& record) override {
    const auto live = windows_.LiveWindows();
    window_lived_at_delete = std::find(live.begin(), live.end(), record.Window) != live.end();
    return SimNotifyIconShell::DeleteIcon(record);
  }
  bool window_lived_at_delete = false;

 private:
  SimHiddenWindows& windows_;
};

class LumoTrayTest : public ::testing::Test {
 protected:
  TLumoTray& CreateTray(std::string hint = {}) {
    return TComponent::Create<TLumoTray>(*owner, TrayServices{kit.App(), windows, shell},
                                         std::move(hint));
  }

  // The menu of the main window: Show, Hide, Close, logging their clicks.
  PopupMenu& CreateMenu() {
    PopupMenu& menu = form->AddPopupMenu();
    for (const char* caption : {"Show", "Hide", "Close"})
      menu.Add(caption, [this, caption] { events.push_back(std::string("click ") + caption); });
    return menu;
  }

  void LogDblClick(TLumoTray& tray) {
    tray.OnDblClick = [this, &tray](TComponent& Sender) {
      events.push_back(&Sender == &tray ? "dblclick" : "dblclick from a stranger");
    };
  }

  std::intptr_t Mouse(TLumoTray& tray, std::intptr_t mouse_message) {
    return windows.Deliver(tray.Handle(), kTrayCallbackMessage, kTrayIconId, mouse_message).value();
  }

  SimToolkit kit;
  std::unique_ptr<Form> form = kit.CreateForm();
  SimHiddenWindows windows;
  WatchingShell shell{windows};
  std::unique_ptr<TComponent> owner = std::make_unique<TComponent>(nullptr);
  std::vector<std::string> events;
};

TEST_F(LumoTrayTest, ConstructionAddsTheFilledRecordAndKeepsTheMainFormHidden) {
  ASSERT_TRUE(kit.App().ShowMainForm());
  TLumoTray& tray = CreateTray();

  ASSERT_NE(tray.Handle(), 0u);
  EXPECT_THAT(windows.LiveWindows(), ElementsAre(tray.Handle()));
  EXPECT_FALSE(kit.App().ShowMainForm());
  EXPECT_EQ(tray.Version(), "1.00");
  EXPECT_EQ(tray.Hint, "Vorn");
  EXPECT_EQ(tray.PopupMenu, nullptr);
  EXPECT_FALSE(tray.OnDblClick);

  NotifyIconData expected;
  expected.Size = 88;
  expected.Window = tray.Handle();
  expected.Id = 57051;
  expected.Flags = 7;
  expected.CallbackMessage = 1025;
  expected.Icon = SimApplication::kIcon;
  std::copy_n("Vorn", 5, expected.Tip.begin());
  EXPECT_EQ(tray.Record(), expected);
  EXPECT_THAT(shell.Calls(), ElementsAre(SimNotifyIconShell::Call{Request::Add, expected}));
  EXPECT_THAT(shell.Shown(), ElementsAre(expected));

  // The loop now leaves the main form hidden.
  kit.App().Run(*form);
  EXPECT_FALSE(form->Visible());
}

TEST_F(LumoTrayTest, TooltipHoldsAtMost63CharactersOfTheHintWithTheRestOfTheFieldZero) {
  const std::string fits(63, 'a');
  const std::string longer = std::string(63, 'b') + "cdef";
  EXPECT_EQ(TipOf(CreateTray(fits).Record()), fits);
  const TLumoTray& cut = CreateTray(longer);
  EXPECT_EQ(TipOf(cut.Record()), longer.substr(0, 63));
  EXPECT_EQ(cut.Record().Tip[63], '\0');
  // The hint itself keeps its whole text.
  EXPECT_EQ(cut.Hint, longer);

  const TLumoTray& short_hint = CreateTray("Hi");
  EXPECT_EQ(TipOf(short_hint.Record()), "Hi");
  EXPECT_TRUE(std::all_of(short_hint.Record().Tip.begin() + 2, short_hint.Record().Tip.end(),
                          [](char c) { return c == '\0'; }));
}

TEST(LumoTrayTitleTest, AnEmptyHintTakesTheApplicationTitleAlsoWhenItMustBeCut) {
  const std::string name(70, 'X');
  SimToolkit kit("C:\\Programs\\" + name + ".EXE");
  SimHiddenWindows windows;
  SimNotifyIconShell shell;
  TComponent owner(nullptr);
  const TLumoTray& tray =
      TComponent::Create<TLumoTray>(owner, TrayServices{kit.App(), windows, shell});

  const std::string title = "X" + std::string(69, 'x');
  EXPECT_EQ(tray.Hint, title);
  EXPECT_EQ(TipOf(tray.Record()), title.substr(0, 63));
}

TEST_F(LumoTrayTest, TheTooltipIsFixedAtConstruction) {
  TLumoTray& tray = CreateTray("first");
  tray.Hint = "second";
  tray.PopupMenu = &CreateMenu();
  Mouse(tray, kWmRButtonUp);
  Mouse(tray, kWmLButtonDblClk);
  owner.reset();

  ASSERT_EQ(shell.Calls().size(), 2u);
  EXPECT_EQ(TipOf(shell.Calls()[0].Record), "first");
  EXPECT_EQ(shell.Calls()[1].Kind, Request::Delete);
  EXPECT_EQ(shell.Calls()[1].Record, shell.Calls()[0].Record);
}

TEST_F(LumoTrayTest, SetTipChangesTheShownIconsTipAndThatOfLaterAdds) {
  TLumoTray& tray = CreateTray("first");
  tray.SetTip("Vorn - " + std::string(70, 'n'));
  ASSERT_EQ(shell.Calls().size(), 2u);
  EXPECT_EQ(shell.Calls()[1].Kind, Request::Modify);
  EXPECT_EQ(TipOf(shell.Shown().at(0)), ("Vorn - " + std::string(70, 'n')).substr(0, 63));

  // Shorter again: nothing of the longer tip is left behind the terminator.
  tray.SetTip("");
  EXPECT_EQ(TipOf(shell.Shown().at(0)), "Vorn");
  EXPECT_TRUE(std::all_of(tray.Record().Tip.begin() + 4, tray.Record().Tip.end(),
                          [](char c) { return c == '\0'; }));

  // A shell that lost the icon gets it back with the tip.
  shell.SetAvailable(true);
  tray.SetTip("Vorn - 6070 Radio One");
  ASSERT_EQ(shell.Shown().size(), 1u);
  EXPECT_EQ(TipOf(shell.Shown()[0]), "Vorn - 6070 Radio One");
  EXPECT_TRUE(tray.InTray());
}

TEST_F(LumoTrayTest, DestructionDeletesTheIconThenReleasesTheWindow) {
  const TLumoTray& tray = CreateTray();
  const NotifyIconData added = tray.Record();
  owner.reset();

  EXPECT_THAT(shell.Calls(), ElementsAre(SimNotifyIconShell::Call{Request::Add, added},
                                         SimNotifyIconShell::Call{Request::Delete, added}));
  EXPECT_TRUE(shell.window_lived_at_delete);
  EXPECT_THAT(shell.Shown(), IsEmpty());
  EXPECT_THAT(windows.LiveWindows(), IsEmpty());
}

TEST_F(LumoTrayTest, VersionWritesAreIgnored) {
  TLumoTray& tray = CreateTray();
  tray.SetVersion("2.00");
  tray.SetVersion("");
  EXPECT_EQ(tray.Version(), "1.00");
}

TEST_F(LumoTrayTest, InDesignStateNothingIsTouched) {
  owner->SetDesigning(true);
  TLumoTray& tray = CreateTray();
  EXPECT_EQ(tray.Version(), "1.00");
  EXPECT_EQ(tray.Handle(), 0u);
  EXPECT_EQ(tray.Hint, "");
  EXPECT_EQ(tray.Record(), NotifyIconData{});
  EXPECT_TRUE(kit.App().ShowMainForm());
  owner.reset();

  EXPECT_EQ(windows.CreatedCount(), 0u);
  EXPECT_THAT(shell.Calls(), IsEmpty());
  EXPECT_THAT(shell.ForegroundCalls(), IsEmpty());
}

TEST_F(LumoTrayTest, DoubleClickClicksTheFirstDefaultTopLevelItemThenRaisesOnDblClick) {
  TLumoTray& tray = CreateTray();
  PopupMenu& menu = CreateMenu();
  tray.PopupMenu = &menu;
  LogDblClick(tray);

  // No default item: nothing is clicked, the event comes all the same.
  EXPECT_EQ(Mouse(tray, kWmLButtonDblClk), 0);
  EXPECT_THAT(events, ElementsAre("dblclick"));

  // A default item in a submenu is not a top-level one.
  MenuItem& more = menu.AddSubmenu("More");
  more.Add("Deep", [this] { events.push_back("click Deep"); }).SetDefault(true);
  events.clear();
  Mouse(tray, kWmLButtonDblClk);
  EXPECT_THAT(events, ElementsAre("dblclick"));

  menu.Item(2).SetDefault(true);
  events.clear();
  Mouse(tray, kWmLButtonDblClk);
  EXPECT_THAT(events, ElementsAre("click Close", "dblclick"));

  // Of two default items the first in menu order.
  menu.Item(1).SetDefault(true);
  events.clear();
  Mouse(tray, kWmLButtonDblClk);
  EXPECT_THAT(events, ElementsAre("click Hide", "dblclick"));

  // Without the event the item is still clicked.
  tray.OnDblClick = nullptr;
  events.clear();
  Mouse(tray, kWmLButtonDblClk);
  EXPECT_THAT(events, ElementsAre("click Hide"));

  EXPECT_THAT(shell.ForegroundCalls(), IsEmpty());
  EXPECT_THAT(AsSim(menu).PopupPositions(), IsEmpty());
  EXPECT_THAT(windows.DefaultCalls(), IsEmpty());
}

TEST_F(LumoTrayTest, DoubleClickWithoutPopupMenuOnlyRaisesTheEvent) {
  TLumoTray& tray = CreateTray();
  EXPECT_EQ(Mouse(tray, kWmLButtonDblClk), 0);  // nothing assigned at all
  LogDblClick(tray);
  Mouse(tray, kWmLButtonDblClk);
  EXPECT_THAT(events, ElementsAre("dblclick"));
}

TEST_F(LumoTrayTest, ADefaultItemThatDestroysTheTrayEndsTheDoubleClick) {
  TLumoTray& tray = CreateTray();
  PopupMenu& menu = CreateMenu();
  menu.Item(2).OnClick = [this] { owner.reset(); };
  menu.Item(2).SetDefault(true);
  tray.PopupMenu = &menu;
  LogDblClick(tray);
  const WindowHandle window = tray.Handle();

  EXPECT_EQ(windows.Deliver(window, kTrayCallbackMessage, kTrayIconId, kWmLButtonDblClk), 0);
  EXPECT_THAT(events, IsEmpty());
  EXPECT_THAT(shell.Shown(), IsEmpty());
  EXPECT_THAT(windows.LiveWindows(), IsEmpty());
}

TEST_F(LumoTrayTest, RightButtonUpMakesTheWindowForegroundThenPopsTheMenuUpAtTheCursor) {
  TLumoTray& tray = CreateTray();
  PopupMenu& menu = CreateMenu();
  tray.PopupMenu = &menu;
  LogDblClick(tray);
  shell.SetCursor({1210, 1000});
  // The menu is tracked only after the hidden window became the foreground.
  menu.Item(1).OnClick = [this, &tray] {
    events.push_back(shell.Foreground() == tray.Handle() ? "click Hide in front" : "click Hide");
  };
  AsSim(menu).ChooseOnNextPopup("Hide");

  EXPECT_EQ(Mouse(tray, kWmRButtonUp), 0);
  EXPECT_THAT(shell.ForegroundCalls(), ElementsAre(tray.Handle()));
  EXPECT_THAT(AsSim(menu).PopupPositions(), ElementsAre(Point{1210, 1000}));
  EXPECT_THAT(events, ElementsAre("click Hide in front"));
  EXPECT_THAT(windows.DefaultCalls(), IsEmpty());
}

TEST_F(LumoTrayTest, RightButtonUpWithoutPopupMenuStillTakesTheForeground) {
  TLumoTray& tray = CreateTray();
  PopupMenu& menu = CreateMenu();
  LogDblClick(tray);

  EXPECT_EQ(Mouse(tray, kWmRButtonUp), 0);
  EXPECT_THAT(shell.ForegroundCalls(), ElementsAre(tray.Handle()));
  EXPECT_THAT(AsSim(menu).PopupPositions(), IsEmpty());
  EXPECT_THAT(events, IsEmpty());
}

TEST_F(LumoTrayTest, OtherMouseMessagesDoNothing) {
  TLumoTray& tray = CreateTray();
  PopupMenu& menu = CreateMenu();
  menu.Item(0).SetDefault(true);
  tray.PopupMenu = &menu;
  LogDblClick(tray);

  // Moves, presses and single clicks of every button, the right double-click.
  for (const std::intptr_t mouse : {0, 512, 513, 514, 516, 518, 519, 520, 521, 522})
    EXPECT_EQ(Mouse(tray, mouse), 0) << mouse;
  // The mouse message travels in the second parameter, not the first.
  windows.Deliver(tray.Handle(), kTrayCallbackMessage, kWmLButtonDblClk, 512);
  windows.Deliver(tray.Handle(), kTrayCallbackMessage, kWmRButtonUp, 512);

  EXPECT_THAT(events, IsEmpty());
  EXPECT_THAT(shell.ForegroundCalls(), IsEmpty());
  EXPECT_THAT(AsSim(menu).PopupPositions(), IsEmpty());
  EXPECT_THAT(windows.DefaultCalls(), IsEmpty());
  EXPECT_EQ(shell.Calls().size(), 1u);
}

TEST_F(LumoTrayTest, EveryOtherMessageTakesTheDefaultProcedureAndItsResult) {
  TLumoTray& tray = CreateTray();
  tray.PopupMenu = &CreateMenu();
  LogDblClick(tray);
  windows.SetDefaultResult(4711);
  const WindowHandle window = tray.Handle();

  EXPECT_EQ(windows.Deliver(window, 0, 0, 0), 4711);
  EXPECT_EQ(windows.Deliver(window, 1024, 1, kWmLButtonDblClk), 4711);
  EXPECT_EQ(windows.Deliver(window, 1026, 2, kWmRButtonUp), 4711);
  EXPECT_EQ(windows.Deliver(window, 786, 3, 4), 4711);
  // Its own message stays 0 whatever the default procedure would answer.
  EXPECT_EQ(windows.Deliver(window, kTrayCallbackMessage, kTrayIconId, 512), 0);

  using Message = SimHiddenWindows::Call;
  EXPECT_THAT(windows.DefaultCalls(),
              ElementsAre(Message{window, 0, 0, 0}, Message{window, 1024, 1, kWmLButtonDblClk},
                          Message{window, 1026, 2, kWmRButtonUp}, Message{window, 786, 3, 4}));
  EXPECT_THAT(events, IsEmpty());
  EXPECT_THAT(shell.ForegroundCalls(), IsEmpty());
}

// The shell forgets every icon when it restarts; an icon refused at start
// (no shell yet) must come when the shell does.
TEST_F(LumoTrayTest, TheIconIsAddedAgainWheneverTheShellAnnouncesItself) {
  shell.SetAvailable(false);
  TLumoTray& tray = CreateTray();
  EXPECT_FALSE(tray.InTray());
  EXPECT_THAT(shell.Shown(), IsEmpty());

  const auto announce = [&] {
    return windows.Deliver(tray.Handle(), SimNotifyIconShell::kTaskbarCreated, 0, 0).value();
  };
  shell.SetAvailable(true);
  EXPECT_EQ(announce(), 0);
  EXPECT_TRUE(tray.InTray());
  ASSERT_EQ(shell.Shown().size(), 1u);
  EXPECT_EQ(shell.Shown()[0], tray.Record());

  // Restarted: the icon was lost with the old shell.
  shell.SetAvailable(true);
  announce();
  EXPECT_THAT(shell.Shown(), ElementsAre(tray.Record()));
  // Announced while the icon is still shown: it stays, once.
  announce();
  EXPECT_THAT(shell.Shown(), ElementsAre(tray.Record()));
  EXPECT_TRUE(tray.InTray());

  shell.SetAvailable(false);
  announce();
  EXPECT_FALSE(tray.InTray());
}

}  // namespace
}  // namespace vorn
