#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "platform/framework_error.h"
#include "platform/list_rows.h"
#include "platform/sim/ansi_compare.h"
#include "platform/sim/sim_toolkit.h"
#include "platform/toolkit_rules.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

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

// The order the system's comparison gives these texts (measured), ascending.
const std::vector<std::string> kSystemOrder = {
    "",      "-",     " ",      " 1",     "- 1",   " 7100",  ".",     ".-",    "-.",
    ".1",    "0",     "1",      "1-",     "-1",    "1 ",     "1 0",   "1.",    "1.0",
    "1.5 2", "1.5-2", "10",     "1-0",    "10000", "12 kHz", "12kHz", "14100", "1a",
    "6070",  "7100",  "7100 5", "7100.5", "71005", "7100-5", "9",     "a",     "A",
    "a b",   "a.b",   "a-.b",   "a1",     "ab",    "ab'",    "ab-",   "a'b",   "a-b",
    "a--b",  "-ab",   "aB",     "a-B",    "Ab",    "A-b",    "AB",    "ab ",   "ab.",
    "abc",   "abc-",  "ab-c",   "b",      "B",     "co op",  "co.op", "coop",  "co-op",
    "Coop",  "Co-op", "x 1",    "x.1",    "x1",    "x-1",    "z",     "Z"};

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

// ---- the sim toolkit ----

class SimToolkitTest : public ::testing::Test {
 protected:
  SimToolkitTest() : form_ptr(kit.CreateForm()), form(AsSim(*form_ptr)) {
    form.SetBounds({248, 110, 309, 515});
    top = &form.AddPanel(Dock::Top, 41);
    list = &AsSim(form.AddListView({{"Frequency", 80}, {"Bandw.", 50}}));
    bottom = &form.AddPanel(Dock::Bottom, 45);
    edit = &AsSim(top->AddEdit({8, 9, 153, 24}));
    box = &AsSim(top->AddCheckBox({200, 14, 65, 17}, "AutoHide"));
  }

  std::vector<BoxKind> Kinds() const {
    std::vector<BoxKind> kinds;
    for (const SimBox& b : kit.Boxes()) kinds.push_back(b.Kind);
    return kinds;
  }

  SimToolkit kit{"C:\\Tools\\VORN.EXE"};
  std::unique_ptr<Form> form_ptr;
  SimForm& form;
  Panel* top;
  SimListView* list;
  Panel* bottom;
  SimEdit* edit;
  SimCheckBox* box;
};

TEST_F(SimToolkitTest, RunShowsTheMainFormUnlessToldNotToOrTerminated) {
  EXPECT_EQ(kit.App().Title(), "Vorn");
  kit.App().SetShowMainForm(false);
  kit.App().Run(form);
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(kit.SimApp().Running());

  SimToolkit other;
  auto shown = other.CreateForm();
  other.App().Run(*shown);
  EXPECT_TRUE(shown->Visible());
  EXPECT_TRUE(AsSim(*shown).IsActiveWindow());

  SimToolkit ended;
  auto never = ended.CreateForm();
  ended.App().Terminate();
  ended.App().Run(*never);
  EXPECT_FALSE(never->Visible());
  EXPECT_FALSE(ended.SimApp().Running());
}

TEST_F(SimToolkitTest, CloseAsksTheQueryAndClosingTheMainFormEndsTheProgram) {
  kit.App().Run(form);
  int asked = 0;
  bool allow = false;
  form.OnCloseQuery = [&] {
    ++asked;
    return allow;
  };
  form.RequestClose();
  EXPECT_EQ(asked, 1);
  EXPECT_TRUE(form.Visible());
  EXPECT_FALSE(kit.App().Terminated());

  // A failing close handler keeps the window open and shows the error box.
  form.OnCloseQuery = []() -> bool {
    throw FrameworkError("In C:\\Vorn.ini kann nicht geschrieben werden");
  };
  form.RequestClose();
  EXPECT_TRUE(form.Visible());
  ASSERT_EQ(kit.Boxes().size(), 1u);
  EXPECT_EQ(kit.Boxes()[0],
            (SimBox{BoxKind::Error, "In C:\\Vorn.ini kann nicht geschrieben werden.", "Vorn"}));

  form.OnCloseQuery = {};
  form.RequestClose();
  EXPECT_TRUE(form.Closed());
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(kit.App().Terminated());
}

TEST_F(SimToolkitTest, BoxesCarryTheirCaptionsAndQuestionsTakeQueuedAnswers) {
  kit.AnswerNextQuestion(Answer::Yes);
  kit.AnswerNextQuestion(Answer::No);
  Application& app = kit.App();
  app.ShowMessage("File not found: Vorn.ini");
  EXPECT_EQ(app.Ask("Hotkey has changed, save?"), Answer::Yes);
  EXPECT_EQ(app.Ask("Stationlist has changed, save?"), Answer::No);
  EXPECT_EQ(app.Ask("unanswered"), Answer::Cancel);
  app.ShowSystemWarning("Vorn is already running.", "Perseus-Vorn");
  app.HandleException(FrameworkError("E/A-Fehler 32"));
  EXPECT_THAT(
      kit.Boxes(),
      ElementsAre(SimBox{BoxKind::Message, "File not found: Vorn.ini", "Vorn"},
                  SimBox{BoxKind::Question, "Hotkey has changed, save?", "Informationen"},
                  SimBox{BoxKind::Question, "Stationlist has changed, save?", "Informationen"},
                  SimBox{BoxKind::Question, "unanswered", "Informationen"},
                  SimBox{BoxKind::SystemWarning, "Vorn is already running.", "Perseus-Vorn"},
                  SimBox{BoxKind::Error, "E/A-Fehler 32.", "Vorn"}));
  EXPECT_EQ(kit.PendingAnswers(), 0u);
}

TEST_F(SimToolkitTest, GuardTurnsAnyEscapingErrorIntoTheErrorBox) {
  kit.App().Guard([] { throw std::runtime_error("Ung\xFCltiger Dateiname"); });
  kit.App().Guard([] { throw 42; });
  kit.App().Guard({});
  EXPECT_THAT(Kinds(), ElementsAre(BoxKind::Error, BoxKind::Error));
  EXPECT_EQ(kit.Boxes()[0].Text, "Ung\xFCltiger Dateiname.");
}

TEST_F(SimToolkitTest, TypingRunsTheKeyPressFilterBeforeTheEditsOwnEditing) {
  std::string seen;
  edit->OnKeyPress = [&](char& key) {
    seen += key;
    if (key >= ' ' && (key < '0' || key > '9') && key != '.') key = '\0';
    if (key == '\r') key = '\0';
  };
  edit->Type("71a0-0.5\r");
  EXPECT_EQ(seen, "71a0-0.5\r");
  EXPECT_EQ(edit->Text(), "7100.5");

  edit->SelectAll();
  EXPECT_EQ(edit->SelectedText(), "7100.5");
  edit->Type('9');
  EXPECT_EQ(edit->Text(), "9");
  edit->Type("\b\b4");
  EXPECT_EQ(edit->Text(), "4");

  // Without a filter everything printable goes in; control characters do not.
  edit->OnKeyPress = {};
  edit->Type("x \x1b\r");
  EXPECT_EQ(edit->Text(), "4x ");

  edit->SetReadOnly(true);
  edit->Type('1');
  EXPECT_EQ(edit->Text(), "4x ");
  EXPECT_TRUE(edit->ReadOnly());
}

TEST_F(SimToolkitTest, HandlersMaySwitchTheEditsModeWhileTheyRun) {
  int presses = 0;
  edit->OnKeyDown = [&](VirtualKey& key, ShiftState) {
    key = 0;
    edit->OnKeyDown = {};  // back to entry mode: replaces the running handler
    edit->OnKeyPress = [&](char&) { ++presses; };
  };
  EXPECT_TRUE(edit->PressKey(120));
  EXPECT_FALSE(edit->PressKey(120));
  edit->Type('1');
  EXPECT_EQ(presses, 1);

  edit->OnKeyDown = [](VirtualKey& key, ShiftState shift) {
    if (!shift.Shift) key = 0;
  };
  EXPECT_FALSE(edit->PressKey(16, {.Shift = true}));
  EXPECT_TRUE(edit->PressKey(27));

  int double_clicks = 0;
  edit->OnDblClick = [&] { ++double_clicks; };
  edit->DoubleClick();
  EXPECT_EQ(double_clicks, 1);
}

TEST_F(SimToolkitTest, FocusNeedsAShownActiveWindowAndReturnsWithIt) {
  edit->SetFocus();
  EXPECT_FALSE(edit->Focused());  // hidden window

  form.Show();
  EXPECT_TRUE(form.IsActiveWindow());
  EXPECT_TRUE(edit->Focused());  // first in tab order
  list->SetFocus();
  EXPECT_TRUE(list->Focused());
  EXPECT_FALSE(edit->Focused());

  kit.ActivateOtherProgram();
  EXPECT_FALSE(form.IsActiveWindow());
  EXPECT_FALSE(list->Focused());
  form.BringToFront();
  EXPECT_TRUE(list->Focused());

  form.Hide();
  EXPECT_FALSE(form.IsActiveWindow());
  form.BringToFront();  // a hidden window does not come to the front
  EXPECT_FALSE(form.IsActiveWindow());
  form.Show();
  EXPECT_TRUE(list->Focused());

  // A hidden list leaves the focus to the next control in tab order.
  list->SetVisible(false);
  form.Hide();
  form.Show();
  EXPECT_TRUE(edit->Focused());
}

TEST_F(SimToolkitTest, CheckBoxClickTogglesBeforeItsHandlerAndSettingIsSilent) {
  std::vector<bool> seen;
  box->OnClick = [&] { seen.push_back(box->Checked()); };
  box->SetChecked(true);
  EXPECT_THAT(seen, IsEmpty());
  box->Click();
  box->Click();
  EXPECT_THAT(seen, ElementsAre(false, true));
  EXPECT_EQ(box->Caption(), "AutoHide");
}

TEST_F(SimToolkitTest, PanelsStackFromTheirEdgesAndTheListFillsTheRest) {
  Panel& second_top = form.AddPanel(Dock::Top, 10);
  const Rect client = form.ClientRect();
  EXPECT_EQ(client.Width, 309 - 2 * SimWindow::kFrame);
  EXPECT_EQ(top->Bounds(), (Rect{0, 0, client.Width, 41}));
  EXPECT_EQ(second_top.Bounds(), (Rect{0, 41, client.Width, 10}));
  EXPECT_EQ(bottom->Bounds(), (Rect{0, client.Height - 45, client.Width, 45}));
  EXPECT_EQ(list->Bounds(), (Rect{0, 51, client.Width, client.Height - 51 - 45}));

  form.Menu().Add("Info");
  EXPECT_EQ(form.ClientRect().Height, client.Height - SimWindow::kMenuBar);

  Edit& labeled = bottom->AddLabeledEdit({120, 18, 177, 21}, "Station list:");
  EXPECT_EQ(labeled.Bounds(), (Rect{120, 18, 177, 21}));
  const auto& children = dynamic_cast<SimPanel&>(*bottom).Children();
  ASSERT_EQ(children.size(), 2u);
  auto& label = dynamic_cast<SimLabel&>(*children[0]);
  EXPECT_EQ(label.Caption(), "Station list:");
  EXPECT_EQ(label.Bounds().Top, 2);
  EXPECT_EQ(label.Bounds().Left, 120);
}

TEST_F(SimToolkitTest, MenusClickThroughPathsAndReportHandlerErrors) {
  std::vector<std::string> clicked;
  MenuItem& stations = form.Menu().AddSubmenu("Stations");
  stations.Add("Load List", [&] { clicked.push_back("load"); });
  stations.Add("Save List", [] { throw FrameworkError("Dateizugriff verweigert"); });
  form.Menu().Add("Close", [&] { clicked.push_back("close"); });

  kit.Choose(form.Menu(), {"Stations", "Load List"});
  kit.Choose(form.Menu(), {"Close"});
  kit.Choose(form.Menu(), {"Stations", "Save List"});
  EXPECT_THAT(clicked, ElementsAre("load", "close"));
  ASSERT_EQ(kit.Boxes().size(), 1u);
  EXPECT_EQ(kit.Boxes()[0].Text, "Dateizugriff verweigert.");

  EXPECT_THROW(kit.Choose(form.Menu(), {"Stations", "Nothing"}), std::invalid_argument);
  EXPECT_THROW(FindItem(form.Menu(), "Close")->Add("x"), std::logic_error);
  EXPECT_EQ(FindItem(stations, "Save List"), &stations.Item(1));
  EXPECT_EQ(FindItem(stations, "save list"), nullptr);
}

TEST_F(SimToolkitTest, PopupMenusKeepOrderDefaultsAndPopUpFromTheList) {
  PopupMenu& popup = form.AddPopupMenu();
  int new_entries = 0;
  popup.Add("New Entry", [&] { ++new_entries; });
  popup.Add("Delete Entry");
  popup.Item(1).SetDefault(true);
  EXPECT_FALSE(popup.Item(0).Default());
  EXPECT_TRUE(popup.Item(1).Default());
  EXPECT_EQ(popup.Item(1).Caption(), "Delete Entry");

  list->SetPopupMenu(&popup);
  list->RightClick({500, 300});
  AsSim(popup).ChooseOnNextPopup("New Entry");
  list->RightClick({10, 20});
  EXPECT_EQ(new_entries, 1);
  EXPECT_THAT(AsSim(popup).PopupPositions(), ElementsAre(Point{500, 300}, Point{10, 20}));
  popup.Item(0).Click();
  EXPECT_EQ(new_entries, 2);
}

TEST_F(SimToolkitTest, ListClicksAndKeysSelectThenReport) {
  for (const char* f : {"6070", "7100", "9500"}) list->Append(Row(f));
  std::vector<std::optional<std::size_t>> clicks;
  std::vector<std::pair<VirtualKey, std::optional<std::size_t>>> keys;
  list->OnClick = [&] { clicks.push_back(list->Selected()); };
  list->OnKeyUp = [&](VirtualKey key) { keys.emplace_back(key, list->Selected()); };
  form.Show();

  list->ClickRow(1);
  EXPECT_TRUE(list->Focused());
  list->ClickEmpty();
  EXPECT_THAT(clicks, ElementsAre(1u, std::nullopt));
  EXPECT_THROW(list->ClickRow(3), std::out_of_range);

  list->PressKey(40);  // no selection: Down takes the first row
  list->PressKey(35);
  list->PressKey(40);  // stays on the last row
  list->PressKey(38);
  list->PressKey(36);
  list->PressKey(34);
  list->PressKey(33);
  list->PressKey(37);
  list->KeyUp(39);
  using K = std::pair<VirtualKey, std::optional<std::size_t>>;
  EXPECT_THAT(keys, ElementsAre(K{40, 0u}, K{35, 2u}, K{40, 2u}, K{38, 1u}, K{36, 0u}, K{34, 2u},
                                K{33, 0u}, K{37, 0u}, K{39, 0u}));
}

TEST_F(SimToolkitTest, ListRowsSortWithTheSystemOrderAndLoadWithoutPerRowRedraws) {
  for (const char* f : {"6070", "14100", "10000"}) list->Append(Row(f));
  list->SetSorted(true);
  list->Append(Row("7100"));
  std::vector<std::string> captions;
  for (std::size_t i = 0; i < list->Count(); ++i) captions.push_back(list->Row(i).Frequency);
  EXPECT_THAT(captions, ElementsAre("10000", "14100", "6070", "7100"));
  EXPECT_EQ(list->Row(0), Row("10000"));

  const std::size_t before = list->Repaints();
  {
    ListUpdate update(*list);
    list->Clear();
    for (int i = 0; i < 1000; ++i) list->Append(Row(std::to_string(i)));
  }
  EXPECT_EQ(list->Repaints(), before + 1);
  EXPECT_EQ(list->Count(), 1000u);
  EXPECT_EQ(list->Row(1).Frequency, "1");
  EXPECT_EQ(list->Row(2).Frequency, "10");
}

TEST_F(SimToolkitTest, ModalDialogsTakeQueuedAnswersAndRestoreTheActiveWindow) {
  auto dialog_ptr = kit.CreateModalDialog(form);
  SimDialog& dialog = AsSim(*dialog_ptr);
  dialog.SetCaption("Add to List");
  dialog.SetBounds({361, 192, 196, 225});
  Edit& frequency = dialog.AddLabeledEdit({16, 24, 161, 21}, "Frequency (kHz)");
  ComboBox& bandwidth = dialog.AddComboBox({16, 72, 65, 21}, {"50 kHz", "25 kHz"});
  dialog.AddButton({16, 160, 75, 25}, "OK", ModalResult::Ok);
  Edit& name = dialog.AddLabeledEdit({16, 120, 161, 21}, "Station Name");
  dialog.AddButton({104, 160, 75, 25}, "Abbrechen", ModalResult::Cancel);
  EXPECT_EQ(bandwidth.Items(), (std::vector<std::string>{"50 kHz", "25 kHz"}));

  form.Show();
  frequency.SetText("7100");
  bandwidth.SetText("50 kHz");
  bool focus_on_first_field = false;
  kit.AnswerNextDialog([&](SimDialog& shown) {
    focus_on_first_field = frequency.Focused() && shown.Active();
    return ModalResult::Cancel;
  });
  kit.AnswerNextDialog(ModalResult::Ok, {"9500", "1.6 kHz", "Radio"});
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);
  EXPECT_TRUE(focus_on_first_field);
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Ok);
  EXPECT_EQ(dialog.ShowModal(), ModalResult::Cancel);  // nothing queued

  EXPECT_EQ(frequency.Text(), "9500");
  EXPECT_EQ(bandwidth.Text(), "1.6 kHz");
  EXPECT_EQ(name.Text(), "Radio");
  ASSERT_EQ(kit.DialogsShown().size(), 3u);
  EXPECT_EQ(kit.DialogsShown()[0].Caption, "Add to List");
  EXPECT_EQ(kit.DialogsShown()[0].Bounds, (Rect{361, 192, 196, 225}));
  EXPECT_THAT(kit.DialogsShown()[0].Fields, ElementsAre("7100", "50 kHz", ""));
  EXPECT_FALSE(dialog.Visible());
  EXPECT_TRUE(form.IsActiveWindow());
}

TEST_F(SimToolkitTest, FileDialogsReturnQueuedPathsAndRecordHowTheyWereSet) {
  auto open = kit.CreateFileDialog(FileDialogKind::Open, {"Stationlists|*.txt|All|*.*", "txt"});
  auto save = kit.CreateFileDialog(FileDialogKind::Save, {"Stationlists|*.txt", "txt"});
  open->SetInitialDir("C:\\Vorn\\");
  EXPECT_EQ(open->InitialDir(), "C:\\Vorn\\");
  kit.PickNextFile("C:\\Lists\\sw.txt");
  EXPECT_EQ(open->Execute(), "C:\\Lists\\sw.txt");
  EXPECT_EQ(save->Execute(), "");
  ASSERT_EQ(kit.FileDialogsShown().size(), 2u);
  EXPECT_EQ(kit.FileDialogsShown()[0].Kind, FileDialogKind::Open);
  EXPECT_EQ(kit.FileDialogsShown()[0].InitialDir, "C:\\Vorn\\");
  EXPECT_EQ(kit.FileDialogsShown()[0].Filter, "Stationlists|*.txt|All|*.*");
  EXPECT_EQ(kit.FileDialogsShown()[1].Kind, FileDialogKind::Save);
  EXPECT_EQ(kit.FileDialogsShown()[1].DefaultExt, "txt");
}

TEST_F(SimToolkitTest, SettingChangeReachesTheForm) {
  int changes = 0;
  form.SettingChange();
  form.OnSettingChange = [&] { ++changes; };
  form.SettingChange();
  EXPECT_EQ(changes, 1);
  EXPECT_NE(form.Handle(), 0u);
}

}  // namespace
}  // namespace vorn
