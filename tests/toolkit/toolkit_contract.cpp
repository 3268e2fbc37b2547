// What the window toolkit does, written once: the same tests run natively over
// the in-memory toolkit and under Wine over the Win32 one, each driven by a
// user's input through its driver. The program's handlers rely on nothing
// else of the toolkit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "platform/dpi_scale.h"
#include "platform/framework_error.h"
#include "platform/toolkit_rules.h"
#include "system_order.h"
#include "toolkit_driver.h"

namespace vorn {

void PrintTo(const Rect& r, std::ostream* os) {
  *os << "{" << r.Left << ", " << r.Top << ", " << r.Width << " x " << r.Height << "}";
}
void PrintTo(const Point& p, std::ostream* os) {
  *os << "(" << p.X << ", " << p.Y << ")";
}
void PrintTo(const ShownBox& b, std::ostream* os) {
  *os << "[" << b.Caption << "] \"" << b.Text << "\" icon " << static_cast<int>(b.Icon) << " ";
  for (const auto& button : b.Buttons) *os << "<" << button << ">";
}

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr VirtualKey kBack = 8;
constexpr VirtualKey kTab = 9;
constexpr VirtualKey kReturn = 13;
constexpr VirtualKey kEscape = 27;
constexpr VirtualKey kPageUp = 33;
constexpr VirtualKey kPageDown = 34;
constexpr VirtualKey kEnd = 35;
constexpr VirtualKey kHome = 36;
constexpr VirtualKey kLeft = 37;
constexpr VirtualKey kUp = 38;
constexpr VirtualKey kDown = 40;
constexpr VirtualKey kDelete = 46;
constexpr VirtualKey kF9 = 120;

constexpr char kDigitsOnly[] = "digits";

int Right(const Rect& r) {
  return r.Left + r.Width;
}
int Bottom(const Rect& r) {
  return r.Top + r.Height;
}
bool Inside(const Rect& inner, const Rect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && Right(inner) <= Right(outer) &&
         Bottom(inner) <= Bottom(outer);
}

StationRow Row(const std::string& frequency, const std::string& name = "") {
  return {frequency, "12 kHz", "AM", name};
}

// A window built like the program's main window, and its entry dialog.
class ToolkitContract : public ::testing::Test {
 protected:
  ToolkitContract() : driver(MakeToolkitDriver()), kit(driver->Kit()), app(kit.App()) {
    form = kit.CreateForm();
    form->SetCaption("Perseus-Vorn");
    form->SetDesignedBounds({248, 110, 309, 515});
    top = &form->AddPanel(Dock::Top, 41);
    edit = &top->AddEdit({8, 9, 153, 24});
    edit->SetBoldFont(-13);
    box = &top->AddCheckBox({200, 14, 65, 17}, "AutoHide");
    list = &form->AddListView({{"Frequency", 80}, {"Bandw.", 50}, {"Demod", 50}, {"Station", 250}});
    bottom = &form->AddPanel(Dock::Bottom, 45);
    file_name = &bottom->AddLabeledEdit({120, 18, 177, 21}, "Station list:");
    file_name->SetReadOnly(true);
  }

  void BuildDialog() {
    dialog = kit.CreateModalDialog(*form);
    dialog->SetCaption("Add to List");
    dialog->SetDesignedBounds({0, 0, 196, 225});
    frequency = &dialog->AddLabeledEdit({16, 24, 161, 21}, "Frequency (kHz)");
    dialog->AddLabel({16, 56}, "Bandwidth");
    bandwidth = &dialog->AddComboBox({16, 72, 65, 21}, {"50 kHz", "25 kHz", "1.6 kHz"});
    name = &dialog->AddLabeledEdit({16, 120, 161, 21}, "Station Name");
    dialog->AddButton({16, 160, 75, 25}, "OK", ModalResult::Ok);
    dialog->AddButton({104, 160, 75, 25}, "Abbrechen", ModalResult::Cancel);
  }

  // Fills the list with rows named by their number.
  void AddRows(int count) {
    ListUpdate update(*list);
    for (int i = 0; i < count; ++i) list->Append(Row(std::to_string(1000 + i), std::to_string(i)));
  }

  std::unique_ptr<ToolkitDriver> driver;
  Toolkit& kit;
  Application& app;
  std::unique_ptr<Form> form;
  Panel* top = nullptr;
  Edit* edit = nullptr;
  CheckBox* box = nullptr;
  ListView* list = nullptr;
  Panel* bottom = nullptr;
  Edit* file_name = nullptr;
  std::unique_ptr<Dialog> dialog;
  Edit* frequency = nullptr;
  ComboBox* bandwidth = nullptr;
  Edit* name = nullptr;
};

// ---- the application ----

TEST_F(ToolkitContract, RunShowsTheMainFormActiveUnlessToldNotTo) {
  bool shown = false;
  bool active = false;
  driver->Run(*form, [&] {
    shown = form->Visible();
    active = form->IsActiveWindow();
  });
  EXPECT_TRUE(shown);
  EXPECT_TRUE(active);
}

TEST_F(ToolkitContract, RunKeepsTheMainFormHiddenWhenToldTo) {
  app.SetShowMainForm(false);
  bool shown = true;
  driver->Run(*form, [&] { shown = form->Visible(); });
  EXPECT_FALSE(shown);
}

TEST_F(ToolkitContract, RunAfterTerminateReturnsAtOnce) {
  app.Terminate();
  bool ran = false;
  driver->Run(*form, [&] { ran = true; });
  EXPECT_FALSE(ran);
  EXPECT_FALSE(form->Visible());
}

TEST_F(ToolkitContract, CloseAsksTheQueryAndClosingTheMainFormEndsTheLoop) {
  int asked = 0;
  bool still_shown = false;
  bool ended_while_open = true;
  driver->Run(*form, [&] {
    form->OnCloseQuery = [&] {
      ++asked;
      return false;
    };
    driver->CloseButton(*form);
    // A failing close handler keeps the window open, with the error box.
    form->OnCloseQuery = []() -> bool {
      throw FrameworkError("In C:\\Vorn.ini kann nicht geschrieben werden");
    };
    driver->CloseButton(*form);
    still_shown = form->Visible();
    ended_while_open = app.Terminated();
    form->OnCloseQuery = {};
    driver->CloseButton(*form);
  });
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(still_shown);
  EXPECT_FALSE(ended_while_open);
  EXPECT_TRUE(app.Terminated());
  EXPECT_FALSE(form->Visible());
  EXPECT_THAT(
      driver->Boxes(),
      ElementsAre(ShownBox{
          app.Title(), "In C:\\Vorn.ini kann nicht geschrieben werden.", BoxIcon::Stop, {"OK"}}));
}

TEST_F(ToolkitContract, BoxesShowTheirKindAndAQuestionAnswersWithTheButtonPressed) {
  form->Show();
  driver->AnswerNextBox("OK");
  app.ShowMessage("File not found: Vorn.ini\rHotkey is Numpad-Subtract (-)");
  driver->AnswerNextBox("&Ja");
  driver->AnswerNextBox("&Nein");
  driver->AnswerNextBox("Abbrechen");
  driver->AnswerNextBoxWithKey(kEscape);
  driver->AnswerNextBoxWithKey(kReturn);
  EXPECT_EQ(app.Ask("Stationlist has changed, save?"), Answer::Yes);
  EXPECT_EQ(app.Ask("Hotkey has changed, save?"), Answer::No);
  EXPECT_EQ(app.Ask("third"), Answer::Cancel);
  EXPECT_EQ(app.Ask("Esc"), Answer::Cancel);
  EXPECT_EQ(app.Ask("Enter"), Answer::Yes);
  app.ShowError("E/A-Fehler 32");
  app.ShowSystemWarning("Vorn is already running.", "Perseus-Vorn");

  const std::vector<std::string> question = {"&Ja", "&Nein", "Abbrechen"};
  const ShownBox asked{"Informationen", "Hotkey has changed, save?", BoxIcon::Information,
                       question};
  const auto boxes = driver->Boxes();
  ASSERT_EQ(boxes.size(), 8u);
  EXPECT_EQ(boxes[0], (ShownBox{app.Title(),
                                "File not found: Vorn.ini\rHotkey is Numpad-Subtract (-)",
                                BoxIcon::None,
                                {"OK"}}));
  EXPECT_EQ(boxes[2], asked);
  EXPECT_EQ(boxes[6], (ShownBox{app.Title(), "E/A-Fehler 32.", BoxIcon::Stop, {"OK"}}));
  EXPECT_EQ(boxes[7],
            (ShownBox{"Perseus-Vorn", "Vorn is already running.", BoxIcon::Exclamation, {"OK"}}));
  EXPECT_FALSE(app.InModal());
}

TEST_F(ToolkitContract, AnyErrorEscapingAHandlerEndsInTheErrorBox) {
  form->Show();
  app.Guard([] { throw std::runtime_error("Ung\xFCltiger Dateiname"); });
  app.Guard([] { throw 42; });
  app.Guard({});
  const auto boxes = driver->Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].Text, "Ung\xFCltiger Dateiname.");
  EXPECT_EQ(boxes[1].Icon, BoxIcon::Stop);
}

// ---- keys and the edit ----

TEST_F(ToolkitContract, TypedCharactersPassTheKeyFilterBeforeTheEditTakesThem) {
  form->Show();
  ASSERT_TRUE(edit->Focused());
  std::string seen;
  edit->OnKeyPress = [&](char& key) {
    seen += key;
    if (key >= ' ' && (key < '0' || key > '9') && key != '.') key = '\0';
    if (key == '\r') key = '\0';
  };
  int changes = 0;
  edit->OnChange = [&] { ++changes; };
  driver->Type("71a0-0.5");
  driver->PressKey(kReturn);
  EXPECT_EQ(seen, "71a0-0.5\r");
  EXPECT_EQ(edit->Text(), "7100.5");
  EXPECT_EQ(changes, 6);

  // Typing replaces the selected text; Backspace takes one character back.
  edit->SelectAll();
  driver->Type("9");
  EXPECT_EQ(edit->Text(), "9");
  driver->PressKey(kBack);
  driver->PressKey(kBack);
  driver->Type("4");
  EXPECT_EQ(edit->Text(), "4");

  // Without a filter everything printable goes in; Esc, Enter and Tab do not.
  edit->OnKeyPress = {};
  driver->Type("x Y");
  driver->PressKey(kEscape);
  driver->PressKey(kReturn);
  driver->PressKey(kTab);
  EXPECT_EQ(edit->Text(), "4x Y");

  changes = 0;
  edit->SetText("7100");
  EXPECT_EQ(changes, 1);
}

TEST_F(ToolkitContract, AReadOnlyEditShowsItsTextAndTakesNoTyping) {
  form->Show();
  file_name->SetText("demo.txt");
  std::string seen;
  file_name->OnKeyPress = [&](char& key) { seen += key; };
  driver->Click(*file_name);
  driver->Type("1");
  driver->PressKey(kDelete);
  EXPECT_EQ(seen, "1");
  EXPECT_EQ(file_name->Text(), "demo.txt");
}

TEST_F(ToolkitContract, TheFormSeesEachKeyFirstAndWhatItConsumesTypesNothing) {
  form->Show();
  std::vector<std::pair<VirtualKey, ShiftState>> form_keys;
  form->OnKeyDown = [&](VirtualKey& key, ShiftState shift) {
    form_keys.emplace_back(key, shift);
    if (key == 'F' && shift.Ctrl) key = 0;
    // Only a consumed key counts: the control gets the others as pressed.
    if (key == kDelete) key = kLeft;
  };
  std::vector<VirtualKey> edit_keys;
  edit->OnKeyDown = [&](VirtualKey& key, ShiftState) { edit_keys.push_back(key); };
  std::string typed;
  edit->OnKeyPress = [&](char& key) { typed += key; };

  edit->SetText("abc");
  edit->SelectAll();
  driver->PressKey('F', {.Ctrl = true});
  driver->PressKey(kDelete);
  driver->Type("A");
  EXPECT_EQ(edit->Text(), "A");
  EXPECT_EQ(typed, "A");
  EXPECT_THAT(edit_keys, ElementsAre(kDelete, 'A'));
  ASSERT_EQ(form_keys.size(), 3u);
  EXPECT_EQ(form_keys[0], std::make_pair(VirtualKey{'F'}, ShiftState{.Ctrl = true}));
  EXPECT_EQ(form_keys[2], std::make_pair(VirtualKey{'A'}, ShiftState{.Shift = true}));

  // The list's keys are seen first too; a consumed one moves nothing.
  AddRows(3);
  list->Select(1);
  list->SetFocus();
  form->OnKeyDown = [](VirtualKey& key, ShiftState) {
    if (key == kDown) key = 0;
  };
  std::vector<VirtualKey> list_downs;
  list->OnKeyDown = [&](VirtualKey key) { list_downs.push_back(key); };
  driver->PressKey(kDown);
  EXPECT_EQ(list->Selected(), 1u);
  driver->PressKey(kUp);
  EXPECT_EQ(list->Selected(), 0u);
  EXPECT_THAT(list_downs, ElementsAre(kUp));
}

TEST_F(ToolkitContract, AKeyTheEditsHandlerConsumesStillTypesItsCharacter) {
  form->Show();
  std::vector<VirtualKey> downs;
  edit->OnKeyDown = [&](VirtualKey& key, ShiftState) {
    downs.push_back(key);
    key = 0;
  };
  edit->SetText("abc");
  edit->SelectAll();
  driver->PressKey(kDelete);
  EXPECT_EQ(edit->Text(), "abc");
  // The key was translated before the handler saw it: its character follows.
  driver->Type("5");
  EXPECT_EQ(edit->Text(), "5");
  driver->PressKey(kF9);
  EXPECT_THAT(downs, ElementsAre(kDelete, '5', kF9));

  // A value other than 0 is not a key of its own: Delete stays Delete.
  edit->OnKeyDown = [](VirtualKey& key, ShiftState) {
    if (key == kDelete) key = kLeft;
  };
  edit->SelectAll();
  driver->PressKey(kDelete);
  EXPECT_EQ(edit->Text(), "");
}

TEST_F(ToolkitContract, HandlersMaySwitchTheEditsModeWhileTheyRun) {
  form->Show();
  std::string typed;
  edit->OnKeyDown = [&](VirtualKey& key, ShiftState) {
    key = 0;
    edit->OnKeyDown = {};  // back to entry mode: replaces the running handler
    edit->OnKeyPress = [&](char& c) {
      typed += c;
      c = '\0';
    };
  };
  driver->PressKey(kF9);
  driver->Type("12");
  EXPECT_EQ(typed, "12");
  EXPECT_EQ(edit->Text(), "");

  int double_clicks = 0;
  edit->OnDblClick = [&] { ++double_clicks; };
  driver->DoubleClick(*edit);
  EXPECT_EQ(double_clicks, 1);
}

TEST_F(ToolkitContract, FocusNeedsAShownActiveWindowAndComesBackWithIt) {
  edit->SetFocus();
  EXPECT_FALSE(edit->Focused());  // hidden window

  form->Show();
  EXPECT_TRUE(form->IsActiveWindow());
  EXPECT_TRUE(edit->Focused());  // first in tab order
  list->SetFocus();
  EXPECT_TRUE(list->Focused());
  EXPECT_FALSE(edit->Focused());

  driver->ActivateOtherProgram();
  EXPECT_FALSE(form->IsActiveWindow());
  EXPECT_FALSE(list->Focused());
  form->BringToFront();
  EXPECT_TRUE(form->IsActiveWindow());
  EXPECT_TRUE(list->Focused());

  form->Hide();
  EXPECT_FALSE(form->IsActiveWindow());
  form->BringToFront();  // a hidden window does not come to the front
  EXPECT_FALSE(form->IsActiveWindow());
  form->Show();
  EXPECT_TRUE(list->Focused());

  // A hidden control leaves the focus to the first one in tab order.
  list->SetVisible(false);
  form->Hide();
  form->Show();
  EXPECT_TRUE(edit->Focused());
}

TEST_F(ToolkitContract, ACheckBoxTogglesBeforeItsHandlerAndSettingItIsSilent) {
  form->Show();
  std::vector<bool> seen;
  box->OnClick = [&] { seen.push_back(box->Checked()); };
  box->SetChecked(true);
  EXPECT_THAT(seen, IsEmpty());
  driver->Click(*box);
  driver->Click(*box);
  EXPECT_THAT(seen, ElementsAre(false, true));
  EXPECT_EQ(box->Caption(), "AutoHide");
}

// ---- layout ----

TEST_F(ToolkitContract, PanelsStackFromTheirEdgesAndTheListFillsTheRest) {
  Panel& second_top = form->AddPanel(Dock::Top, 10);
  form->Show();
  const Rect client = driver->ClientRect(*form);
  const Rect window = form->Bounds();
  EXPECT_TRUE(Inside(client, window));
  EXPECT_LT(client.Width, window.Width);  // inside a frame
  EXPECT_LT(client.Height, window.Height);

  const Rect upper = driver->ScreenRect(*top);
  const Rect second = driver->ScreenRect(second_top);
  const Rect lower = driver->ScreenRect(*bottom);
  const Rect middle = driver->ScreenRect(*list);
  EXPECT_EQ(upper, (Rect{client.Left, client.Top, client.Width, upper.Height}));
  EXPECT_EQ(second.Top, Bottom(upper));
  EXPECT_EQ(Bottom(lower), Bottom(client));
  EXPECT_EQ(lower.Width, client.Width);
  EXPECT_EQ(middle, (Rect{client.Left, Bottom(second), client.Width, lower.Top - Bottom(second)}));
  EXPECT_EQ(top->Bounds(), (Rect{0, 0, top->Bounds().Width, 41}));
  EXPECT_EQ(list->Bounds().Top, 51);

  // A control's place is its designed one in its panel.
  const Rect in_panel = driver->ScreenRect(*edit);
  EXPECT_EQ(edit->Bounds(), (Rect{8, 9, 153, 24}));
  EXPECT_EQ(in_panel.Left - upper.Left, 8);
  EXPECT_EQ(in_panel.Top - upper.Top, 9);

  // The first menu item gives the window its menu bar, from the client area.
  form->Menu().Add("Info");
  const Rect with_menu = driver->ClientRect(*form);
  EXPECT_EQ(form->Bounds(), window);
  EXPECT_GT(with_menu.Top, client.Top);
  EXPECT_EQ(Bottom(with_menu), Bottom(client));
  EXPECT_EQ(driver->ScreenRect(*top).Top, with_menu.Top);
  EXPECT_EQ(Bottom(driver->ScreenRect(*bottom)), Bottom(with_menu));
}

TEST_F(ToolkitContract, ALabelIsAsLargeAsItsCaptionAndALabeledEditHasItAbove) {
  Label& label = form->AddLabel({11, 80}, "Hit key to set as new");
  form->Show();
  const Rect normal = label.Bounds();
  EXPECT_EQ(normal.Left, 11);
  EXPECT_EQ(normal.Top, 80);
  label.SetBoldFont(-13);
  const Rect bold = label.Bounds();
  EXPECT_GT(bold.Width, normal.Width);
  EXPECT_GT(bold.Height, normal.Height);
  label.SetCaption("Hotkey (ESC: Abort) and more");
  EXPECT_GT(label.Bounds().Width, bold.Width);
  label.SetCaption("");
  EXPECT_EQ(label.Bounds().Width, 0);
  label.SetCaption("Hit key to set as new");
  EXPECT_EQ(label.Bounds(), bold);

  // A labeled edit's label fits above it where the designed layout puts it.
  EXPECT_EQ(file_name->Bounds(), (Rect{120, 18, 177, 21}));
  Label& like_its_label = bottom->AddLabel({120, 2}, "Station list:");
  EXPECT_LE(Bottom(like_its_label.Bounds()), 18);
}

TEST_F(ToolkitContract, DesignedBoundsScaleTheClientAreaByTheWindowsDpiInsideTheSystemsFrame) {
  BuildDialog();
  form->Show();
  const Rect window = form->Bounds();
  const Rect client = driver->ClientRect(*form);
  const int frame_width = window.Width - client.Width;
  const int frame_height = window.Height - client.Height;
  if (form->Dpi() == kDesignDpi) {
    EXPECT_EQ(window, (Rect{248, 110, 309, 515}));
  }

  const Rect edit_before = driver->ScreenRect(*edit);
  const Rect list_before = driver->ScreenRect(*list);
  const Rect combo_before = driver->ScreenRect(*bandwidth);
  const int dpi = form->Dpi() * 3 / 2;
  driver->MoveToDpi(*form, dpi);
  driver->MoveToDpi(*dialog, dpi);
  EXPECT_EQ(form->Dpi(), dpi);
  const Rect moved = form->Bounds();
  const Rect moved_client = driver->ClientRect(*form);
  EXPECT_EQ(moved.Left, window.Left);
  EXPECT_EQ(moved.Top, window.Top);
  EXPECT_NEAR(moved_client.Width, client.Width * 3 / 2, 1);
  EXPECT_NEAR(moved_client.Height, client.Height * 3 / 2, 1);
  // The frame is the system's at the new DPI, not the old one scaled as a whole.
  EXPECT_GE(moved.Width - moved_client.Width, frame_width);
  EXPECT_GE(moved.Height - moved_client.Height, frame_height);

  // Controls keep their designed places, scaled.
  const Rect edit_after = driver->ScreenRect(*edit);
  EXPECT_NEAR(edit_after.Width, edit_before.Width * 3 / 2, 1);
  EXPECT_NEAR(edit_after.Height, edit_before.Height * 3 / 2, 1);
  EXPECT_NEAR(edit_after.Left - moved_client.Left, (edit_before.Left - client.Left) * 3 / 2, 1);
  EXPECT_EQ(edit->Bounds(), (Rect{8, 9, 153, 24}));
  EXPECT_EQ(driver->ScreenRect(*list).Width, moved_client.Width);
  EXPECT_NEAR(driver->ScreenRect(*list).Top - moved_client.Top,
              (list_before.Top - client.Top) * 3 / 2, 1);
  EXPECT_NEAR(driver->ScreenRect(*bandwidth).Height, combo_before.Height * 3 / 2, 1);
  EXPECT_EQ(driver->Columns(*list)[3].Width, 250);
}

// ---- menus ----

TEST_F(ToolkitContract, MenuCommandsRunTheirHandlersAndReportTheirErrors) {
  std::vector<std::string> clicked;
  MenuItem& stations = form->Menu().AddSubmenu("Stations");
  stations.Add("Load List", [&] { clicked.push_back("load"); });
  stations.Add("Save List", [] { throw FrameworkError("Dateizugriff verweigert"); });
  form->Menu().Add("Close", [&] { clicked.push_back("close"); });
  form->Show();

  driver->Choose(*form, {"Stations", "Load List"});
  driver->Choose(*form, {"Close"});
  driver->Choose(*form, {"Stations", "Save List"});
  EXPECT_THAT(clicked, ElementsAre("load", "close"));
  ASSERT_EQ(driver->Boxes().size(), 1u);
  EXPECT_EQ(driver->Boxes()[0].Text, "Dateizugriff verweigert.");

  EXPECT_THROW(FindItem(form->Menu(), "Close")->Add("x"), std::logic_error);
  EXPECT_EQ(FindItem(stations, "Save List"), &stations.Item(1));
  EXPECT_EQ(FindItem(stations, "save list"), nullptr);
}

TEST_F(ToolkitContract, ASubmenuOfTheBarShowsChecksAndSeparatorsThatAreNoItems) {
  std::vector<std::string> clicked;
  MenuItem& remote = form->Menu().AddSubmenu("Remote");
  remote.Add("Network", [&] { clicked.push_back("network"); });
  remote.Add("Serial", [&] { clicked.push_back("serial"); });
  remote.AddSeparator();
  remote.Add("Port...", [&] { clicked.push_back("port"); });
  form->Show();

  ASSERT_EQ(remote.Count(), 3u);
  remote.Item(2).SetChecked(true);
  remote.Item(0).SetChecked(true);
  remote.Item(0).SetChecked(false);
  remote.Item(1).SetChecked(true);
  EXPECT_THAT(driver->MenuLayout(*form, {"Remote"}),
              ElementsAre("Network", "* Serial", "-", "* Port..."));
  driver->Choose(*form, {"Remote", "Port..."});
  driver->Choose(*form, {"Remote", "Network"});
  EXPECT_THAT(clicked, ElementsAre("port", "network"));

  // A new caption stands where the old one stood, checked as it was.
  remote.Item(1).SetCaption("Serial on COM5");
  EXPECT_EQ(remote.Item(1).Caption(), "Serial on COM5");
  EXPECT_THAT(driver->MenuLayout(*form, {"Remote"}),
              ElementsAre("Network", "* Serial on COM5", "-", "* Port..."));
  driver->Choose(*form, {"Remote", "Serial on COM5"});
  EXPECT_THAT(clicked, ElementsAre("port", "network", "serial"));
}

TEST_F(ToolkitContract, APopupMenuOpensWhereAskedAndRunsTheItemChosen) {
  PopupMenu& popup = form->AddPopupMenu();
  std::vector<std::string> chosen;
  popup.Add("New Entry", [&] { chosen.push_back("new"); });
  popup.Add("Delete Entry", [&] { chosen.push_back("delete"); });
  list->SetPopupMenu(&popup);
  AddRows(2);
  form->Show();

  const Rect view = driver->ScreenRect(*list);
  const Point first{view.Left + 40, view.Top + 40};
  const Point second{view.Left + 60, view.Top + 70};
  driver->ChooseInNextPopup("Delete Entry");
  driver->ContextMenu(*list, first);
  driver->ChooseInNextPopup("");  // left with Esc
  driver->ContextMenu(*list, second);
  EXPECT_THAT(chosen, ElementsAre("delete"));
  EXPECT_THAT(driver->PopupPositions(), ElementsAre(first, second));
  popup.Item(0).Click();
  EXPECT_THAT(chosen, ElementsAre("delete", "new"));
  popup.Item(1).SetDefault(true);
  EXPECT_TRUE(popup.Item(1).Default());
  EXPECT_FALSE(popup.Item(0).Default());
}

// ---- the list view ----

TEST_F(ToolkitContract, ListClicksAndNavigationKeysSelectThenReport) {
  for (const char* f : {"6070", "7100", "9500"}) list->Append(Row(f));
  std::vector<std::optional<std::size_t>> clicks;
  std::vector<std::pair<VirtualKey, std::optional<std::size_t>>> downs;
  std::vector<std::pair<VirtualKey, std::optional<std::size_t>>> ups;
  list->OnClick = [&] { clicks.push_back(list->Selected()); };
  list->OnKeyDown = [&](VirtualKey key) { downs.emplace_back(key, list->Selected()); };
  list->OnKeyUp = [&](VirtualKey key) { ups.emplace_back(key, list->Selected()); };
  form->Show();

  driver->ClickRow(*list, 1);
  EXPECT_TRUE(list->Focused());
  driver->ClickBelowRows(*list);
  EXPECT_THAT(clicks, ElementsAre(1u, std::nullopt));

  for (VirtualKey key : {kDown, kEnd, kDown, kUp, kHome, kPageDown, kPageUp, kLeft})
    driver->PressKey(key);
  using K = std::pair<VirtualKey, std::optional<std::size_t>>;
  // The key goes down before the selection moves, and up after. Down moves on
  // from the row last clicked, also when a click below took the selection.
  EXPECT_THAT(ups, ElementsAre(K{kDown, 2u}, K{kEnd, 2u}, K{kDown, 2u}, K{kUp, 1u}, K{kHome, 0u},
                               K{kPageDown, 2u}, K{kPageUp, 0u}, K{kLeft, 0u}));
  EXPECT_EQ(downs[0], (K{kDown, std::nullopt}));
  EXPECT_EQ(downs[3], (K{kUp, 2u}));

  // With nothing selected by the program, Down starts at the first row.
  list->Select(std::nullopt);
  driver->PressKey(kDown);
  EXPECT_EQ(list->Selected(), 0u);
}

TEST_F(ToolkitContract, RowsShowTheirTextsInTheColumnsAndSelectingRaisesNothing) {
  list->Append({"6070", "12 kHz", "AM", "Radio One"});
  list->Append({"14100", "1.6 kHz", "CW", "Beacon"});
  int clicks = 0;
  list->OnClick = [&] { ++clicks; };
  form->Show();
  EXPECT_THAT(driver->RowTexts(*list, 1), ElementsAre("14100", "1.6 kHz", "CW", "Beacon"));
  const auto columns = driver->Columns(*list);
  ASSERT_EQ(columns.size(), 4u);
  EXPECT_EQ(columns[0].Caption, "Frequency");
  EXPECT_EQ(columns[0].Width, 80);
  EXPECT_EQ(columns[3].Caption, "Station");

  list->Select(1);
  EXPECT_EQ(list->Selected(), 1u);
  list->Remove(0);
  EXPECT_EQ(list->Selected(), 0u);
  EXPECT_EQ(list->Row(0).Name, "Beacon");
  list->Select(std::nullopt);
  EXPECT_EQ(list->Selected(), std::nullopt);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ToolkitContract, ASortedViewOrdersItsRowsAsTheSystemComparesTheirCaptions) {
  std::vector<std::string> shuffled = kSystemOrder;
  std::shuffle(shuffled.begin(), shuffled.end(), std::mt19937(7));
  form->Show();
  list->SetSorted(true);
  for (std::size_t i = 0; i < shuffled.size(); ++i) {
    // Half of them while the view is not redrawn.
    if (i == shuffled.size() / 2) list->BeginUpdate();
    list->Append(Row(shuffled[i]));
  }
  list->EndUpdate();
  std::vector<std::string> shown;
  for (std::size_t i = 0; i < list->Count(); ++i) shown.push_back(driver->RowTexts(*list, i)[0]);
  EXPECT_EQ(shown, kSystemOrder);

  // Turning sorting off keeps the order; appended rows then go last.
  list->SetSorted(false);
  list->Append(Row("0"));
  EXPECT_EQ(list->Row(list->Count() - 1).Frequency, "0");
  EXPECT_EQ(list->Row(0).Frequency, "");
}

TEST_F(ToolkitContract, RowsAppendedDuringAnUpdateArriveWithTheSelectionKept) {
  AddRows(5);
  list->SetSorted(true);
  list->Select(3);
  form->Show();
  {
    ListUpdate update(*list);
    for (int i = 0; i < 1000; ++i) list->Append(Row(std::to_string(i)));
    EXPECT_EQ(list->Row(1).Frequency, "1");
  }
  EXPECT_EQ(list->Count(), 1005u);
  EXPECT_EQ(list->Row(2).Frequency, "10");
  ASSERT_TRUE(list->Selected());
  EXPECT_EQ(list->Row(*list->Selected()).Name, "3");
  EXPECT_EQ(driver->RowTexts(*list, 1004)[0], "999");
}

TEST_F(ToolkitContract, ScrollingIntoViewBringsTheRowIntoSight) {
  AddRows(300);
  form->Show();
  EXPECT_TRUE(driver->RowInView(*list, 0));
  EXPECT_FALSE(driver->RowInView(*list, 250));
  list->ScrollIntoView(250);
  EXPECT_TRUE(driver->RowInView(*list, 250));
  EXPECT_FALSE(driver->RowInView(*list, 0));
  list->ScrollIntoView(0);
  EXPECT_TRUE(driver->RowInView(*list, 0));
  // Keys move the view with the selection.
  list->SetFocus();
  driver->PressKey(kEnd);
  EXPECT_TRUE(driver->RowInView(*list, 299));
}

// ---- dialogs ----

TEST_F(ToolkitContract, AModalDialogTakesTheFocusTabsInOrderAndAnswersEnter) {
  BuildDialog();
  form->Show();
  frequency->SetText("7100");
  bandwidth->SetText("50 kHz");
  bool shown = false;
  bool first_field = false;
  bool modal = false;
  driver->WhileNextDialogIsOpen([&] {
    shown = dialog->Visible();
    first_field = frequency->Focused() && !form->IsActiveWindow();
    modal = app.InModal();
    // The first field's text is selected: typing replaces it.
    driver->Type("9500");
    driver->PressKey(kTab);
    driver->Type("1.6 kHz");
    driver->PressKey(kTab);
    driver->Type("Radio");
    driver->PressKey(kReturn);
  });
  EXPECT_EQ(dialog->ShowModal(), ModalResult::Ok);
  EXPECT_TRUE(shown);
  EXPECT_TRUE(first_field);
  EXPECT_TRUE(modal);
  EXPECT_EQ(frequency->Text(), "9500");
  EXPECT_EQ(bandwidth->Text(), "1.6 kHz");
  EXPECT_EQ(name->Text(), "Radio");
  EXPECT_THAT(bandwidth->Items(), ElementsAre("50 kHz", "25 kHz", "1.6 kHz"));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_TRUE(form->IsActiveWindow());
  EXPECT_FALSE(app.InModal());
}

TEST_F(ToolkitContract, EscTheCloseButtonAndAFocusedCancelButtonCancelADialog) {
  BuildDialog();
  form->Show();
  driver->WhileNextDialogIsOpen([&] { driver->PressKey(kEscape); });
  EXPECT_EQ(dialog->ShowModal(), ModalResult::Cancel);
  driver->WhileNextDialogIsOpen([&] { driver->CloseButton(*dialog); });
  EXPECT_EQ(dialog->ShowModal(), ModalResult::Cancel);
  driver->WhileNextDialogIsOpen([&] {
    driver->PressKey(kTab, {.Shift = true});  // back from the first field to the last button
    driver->PressKey(kReturn);
  });
  EXPECT_EQ(dialog->ShowModal(), ModalResult::Cancel);
  // Left open, it is cancelled.
  driver->WhileNextDialogIsOpen([&] { driver->Type("1"); });
  EXPECT_EQ(dialog->ShowModal(), ModalResult::Cancel);
  EXPECT_TRUE(form->IsActiveWindow());
}

TEST_F(ToolkitContract, AToolWindowStartsOnItsFirstControlAndItsCloseButtonHidesIt) {
  auto tool = kit.CreateToolWindow(*form);
  tool->SetCaption("Find");
  tool->SetDesignedBounds({0, 0, 200, 80});
  Edit& find = tool->AddEdit({8, 8, 176, 21});
  int closed = 0;
  tool->OnClose = [&] { ++closed; };
  form->Show();
  tool->Show();
  EXPECT_TRUE(tool->Visible());
  EXPECT_TRUE(find.Focused());
  EXPECT_FALSE(form->IsActiveWindow());
  driver->Type("radio");
  EXPECT_EQ(find.Text(), "radio");
  driver->CloseButton(*tool);
  EXPECT_FALSE(tool->Visible());
  EXPECT_EQ(closed, 1);
  // Modeless: the form stays usable while it shows.
  tool->Show();
  form->BringToFront();
  driver->Type("7");
  EXPECT_EQ(edit->Text(), "7");
  EXPECT_TRUE(tool->Visible());
}

}  // namespace
}  // namespace vorn
