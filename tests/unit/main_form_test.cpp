// The whole program on the simulated platform: start, frequency entry, list
// commands, hotkey interaction and close, driven as an operator would.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/dpi_scale.h"
#include "program_fixture.h"
#include "remote/receiver_rig.h"
#include "ui/tray_tip.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

using MainFormTest = ProgramTest;

TEST_F(MainFormTest, StartWithoutSettingsFileUsesDefaultsAndCloseWritesEveryKey) {
  AddReceiver();
  TForm1& form = Start();
  EXPECT_THAT(BoxTexts(), ElementsAre("File not found: Vorn.ini\rHotkey is Numpad-Subtract "
                                      "(-)\rWorking on Perseus V2.1f"));
  EXPECT_EQ(form.Window().Bounds(), (Rect{248, 110, 309, 515}));
  EXPECT_EQ(form.Window().Caption(), "Perseus-Vorn");
  EXPECT_TRUE(kit.SimApp().Running());
  EXPECT_FALSE(kit.SimApp().Terminated());
  EXPECT_EQ(form.CurrentHotKey(), 109u);
  EXPECT_NE(form.HotKeyIndex(), 0);
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey109"), 1);
  EXPECT_FALSE(form.Label1->Visible());
  EXPECT_FALSE(form.Label2->Visible());

  Choose({"Close"});
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  const std::string ini = dir.Read("Vorn.ini");
  for (const char* key :
       {"Key=109", "Version=V2.1f", "Left=248", "Top=110", "Width=309", "Height=515", "Checked=0"})
    EXPECT_NE(ini.find(key), std::string::npos) << key;
  EXPECT_EQ(ini.find("StationLists"), std::string::npos);
  EXPECT_EQ(ini.find("Remote"), std::string::npos);
  program.reset();
  EXPECT_EQ(atoms.Count(), 0u);  // the hotkey went with the window
}

TEST_F(MainFormTest, LivesInTheTrayHiddenAndTheTrayMenuShowsHidesAndCloses) {
  AddReceiver();
  TForm1& form = Start();
  EXPECT_FALSE(form.Window().Visible());
  ASSERT_EQ(shell.Shown().size(), 1u);
  EXPECT_EQ(std::string(shell.Shown()[0].Tip.data()), "Vorn");
  const WindowHandle tray = form.LumoTray1->Handle();

  // No default item: a double-click does nothing.
  hidden.Deliver(tray, 1025, 0, 515);
  EXPECT_FALSE(form.Window().Visible());

  shell.SetCursor({700, 500});
  AsSim(*form.PopupMenu1).ChooseOnNextPopup("Show");
  hidden.Deliver(tray, 1025, 0, 517);
  EXPECT_THAT(AsSim(*form.PopupMenu1).PopupPositions(), ElementsAre(Point{700, 500}));
  EXPECT_TRUE(form.Window().Visible());
  EXPECT_TRUE(form.Edit1->Focused());

  AsSim(*form.PopupMenu1).ChooseOnNextPopup("Hide");
  hidden.Deliver(tray, 1025, 0, 517);
  EXPECT_FALSE(form.Window().Visible());

  AsSim(*form.PopupMenu1).ChooseOnNextPopup("Close");
  hidden.Deliver(tray, 1025, 0, 517);
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  program.reset();
  EXPECT_THAT(shell.Shown(), IsEmpty());
}

TEST_F(MainFormTest, TheTrayTipAddsTheSteppedStationAndTheRunningEndpointsToTheTitle) {
  AddReceiver();
  WriteIni("[Remote]\nEnabled=1\n");
  TForm1& form = Start();
  const auto tip = [this] { return std::string(shell.Shown().at(0).Tip.data()); };
  EXPECT_EQ(tip(), "Vorn - :4532");
  form.SetTrayStation("6070 Radio One");
  EXPECT_EQ(tip(), "Vorn - 6070 Radio One - :4532");
  Choose({"Remote", "Network (hamlib) 127.0.0.1:4532"});
  EXPECT_EQ(tip(), "Vorn - 6070 Radio One");
  form.SetTrayStation("");
  EXPECT_EQ(tip(), "Vorn");

  // A long name gives way to the endpoints within the tip's 63 characters.
  const std::string long_name = "6070 " + std::string(70, 'R');
  EXPECT_EQ(TrayTipText("Vorn", long_name, ":4532 COM5 :12345"),
            "Vorn - " + long_name.substr(0, 36) + " - :4532 COM5 :12345");
  EXPECT_EQ(TrayTipText("Vorn", long_name, ""), ("Vorn - " + long_name).substr(0, 63));
}

// Vorn starts hidden: without hotkey and tray icon it could never be reached.
TEST_F(MainFormTest, WithNeitherHotkeyNorTrayIconTheWindowShowsAtStart) {
  AddReceiver();
  hotkeys.RegisterForAnotherProgram(0, 109);
  shell.SetAvailable(false);
  TForm1& form = Start();
  EXPECT_EQ(form.HotKeyIndex(), 0);
  EXPECT_FALSE(form.LumoTray1->InTray());
  EXPECT_TRUE(form.Window().Visible());

  // Either way in is enough to stay hidden.
  for (bool tray : {true, false}) {
    program.reset();
    instance = SimSingleInstance();
    shell.SetAvailable(tray);
    if (!tray) hotkeys.Unregister(SimSystemHotKeys::kAnotherProgram, 0xBFFF);
    EXPECT_FALSE(Start().Window().Visible()) << tray;
  }
}

TEST_F(MainFormTest, APlacementOffEveryMonitorIsMovedOntoTheNearestOne) {
  AddReceiver();
  kit.SimApp().SetMonitorWorkAreas({{0, 0, 1280, 984}});
  WriteIni("[Placement]\nLeft=5000\nTop=110\nWidth=309\nHeight=515\n");
  TForm1& form = Start();
  EXPECT_EQ(form.Window().Bounds(), (Rect{1280 - 309, 110, 309, 515}));
}

TEST_F(MainFormTest, OnADenseScreenTheDesignedPlacesScaleAndTheSettingsPlacementDoesNot) {
  kit.SetDpi(144);
  AddReceiver();
  TForm1& form = Start();
  const auto scaled = [](int designed) { return ScaleDpi(designed, kDesignDpi, 144); };
  const auto right = [](const Rect& r) { return r.Left + r.Width; };
  // The designed place and size at 144 DPI: half as large again, give or take
  // the system's frame, which is its own at every DPI.
  const Rect main = form.Window().Bounds();
  EXPECT_EQ(main.Left, scaled(248));
  EXPECT_EQ(main.Top, scaled(110));
  EXPECT_NEAR(main.Width, 309 * 3 / 2, 6);
  EXPECT_NEAR(main.Height, 515 * 3 / 2, 12);
  const Rect entry = program->ListInput()->Window().Bounds();
  EXPECT_NEAR(entry.Width, 196 * 3 / 2, 6);
  EXPECT_NEAR(entry.Height, 225 * 3 / 2, 12);

  kit.AnswerNextDialog(ModalResult::Cancel);
  AsSim(*form.Edit1).DoubleClick();
  ASSERT_EQ(kit.DialogsShown().size(), 1u);
  // Right-aligned with the window, and the designed distance below its top scaled.
  const Rect shown = kit.DialogsShown()[0].Bounds;
  EXPECT_EQ(right(shown), right(main));
  EXPECT_EQ(shown.Top, main.Top + scaled(41 + form.LV->Bounds().Top + 50));
  EXPECT_EQ(shown.Width, entry.Width);

  form.Window().SetBounds({30, 40, 310, 420});
  Choose({"Close"});
  EXPECT_THAT(dir.Read("Vorn.ini"),
              HasSubstr("[Placement]\r\nLeft=30\r\nTop=40\r\nWidth=310\r\nHeight=420\r\n"));
}

TEST_F(MainFormTest, SettingsPlaceTheWindowChooseTheKeypadAndLoadTheDefaultList) {
  AddReceiver("Frequency (kHz)", "Ok");
  dir.Write("list.txt", kBeacon + kRadioOne);
  WriteIni(
      "[Placement]\nLeft=10\nTop=$14\nWidth=300\nHeight=400\n[Hotkey]\nKey=0x406D\n"
      "[Perseus]\r\nVersion=V2.2\r\n[Autohide]\r\nChecked=1\r\n[StationLists]\r\nDefault=list."
      "txt\r\n");
  TForm1& form = Start();
  EXPECT_THAT(kit.Boxes(), IsEmpty());
  EXPECT_EQ(form.Window().Bounds(), (Rect{10, 20, 300, 400}));
  EXPECT_TRUE(form.CBAutoHide->Checked());
  EXPECT_EQ(form.CurrentHotKey(), 0x406Du);
  EXPECT_EQ(form.PanelTitle(), "Frequency (kHz)");
  EXPECT_EQ(form.PanelTerminator(), "Ok");
  EXPECT_EQ(form.EdtSLFilename->Text(), "list.txt");
  ASSERT_EQ(form.LV->Count(), 2u);
  EXPECT_EQ(form.LV->Row(1), (StationRow{"6070", "12 kHz", "AM", "Radio One"}));
  ASSERT_EQ(hotkeys.Registrations().size(), 1u);
  EXPECT_EQ(hotkeys.Registrations()[0].Modifiers, kModControl);

  // Unchanged hotkey and list: nothing is asked, placement, version and AutoHide are rewritten.
  form.Window().SetBounds({30, 40, 310, 420});
  Choose({"Close"});
  EXPECT_THAT(kit.Boxes(), IsEmpty());
  EXPECT_EQ(
      dir.Read("Vorn.ini"),
      "[Placement]\r\nLeft=30\r\nTop=40\r\nWidth=310\r\nHeight=420\r\n[Hotkey]\r\nKey=0x406D\r\n"
      "[Perseus]\r\nVersion=V2.2\r\n[Autohide]\r\nChecked=1\r\n[StationLists]\r\nDefault=list."
      "txt\r\n");
}

TEST_F(MainFormTest, MissingOrBrokenDefaultListIsReportedAndTheStartGoesOn) {
  AddReceiver();
  WriteIni("[StationLists]\nDefault=gone.txt\n");
  Start();
  EXPECT_THAT(BoxTexts(), ElementsAre("Stationlist: gone.txt not found.\rCheck IniFile."));
  EXPECT_FALSE(kit.SimApp().Terminated());

  program.reset();
  instance = SimSingleInstance();  // a new process
  kit.ClearBoxes();
  dir.Write("broken.txt", kRadioOne + "7100;12;AM\r\n" + kBeacon);
  WriteIni("[StationLists]\nDefault=broken.txt\n");
  TForm1& form = Start();
  ASSERT_EQ(kit.Boxes().size(), 1u);
  EXPECT_EQ(kit.Boxes()[0].Kind, BoxKind::Error);
  EXPECT_EQ(kit.Boxes()[0].Text,
            "Listenindex \xFC"
            "berschreitet das Maximum (3)");
  EXPECT_EQ(form.LV->Count(), 1u);
  EXPECT_NE(form.HotKeyIndex(), 0);
  EXPECT_FALSE(kit.SimApp().Terminated());
}

TEST_F(MainFormTest, MissingReceiverEndsWithItsMessageAndLeavesTheSettingsAlone) {
  WriteIni("[Perseus]\nVersion=v2.1f\n");
  Start();
  EXPECT_THAT(BoxTexts(), ElementsAre("Perseus not found, \rPerseus-Program started?"));
  EXPECT_TRUE(kit.SimApp().Terminated());
  EXPECT_FALSE(AsSim(program->Form1()->Window()).Visible());
}

TEST_F(MainFormTest, MissingKeypadNamesTheVersionAsRead) {
  const WindowHandle main = desktop.AddTopLevel("Perseus");
  desktop.AddChild(main, "Dither");
  WriteIni("[Perseus]\nVersion=V2.3\n");
  Start();
  EXPECT_THAT(BoxTexts(), ElementsAre("Frequency-Panel not found, \rPerseus V2.3 expected"));
  EXPECT_TRUE(kit.SimApp().Terminated());
  EXPECT_EQ(dir.Read("Vorn.ini"), "[Perseus]\nVersion=V2.3\n");
}

TEST_F(MainFormTest, SecondInstanceWarnsAndCreatesNothing) {
  AddReceiver();
  instance.Create("OnlyOnce");
  Launch();
  ASSERT_EQ(kit.Boxes().size(), 1u);
  EXPECT_EQ(kit.Boxes()[0],
            (SimBox{BoxKind::SystemWarning, "Vorn is already running.", "Perseus-Vorn"}));
  EXPECT_EQ(program->Form1(), nullptr);
  EXPECT_FALSE(dir.Read("Vorn.ini").size());
}

TEST_F(MainFormTest, EnterKeysAValidFrequencyAndBeepsAtAnythingElse) {
  AddReceiver();
  locale.SetDecimalSeparator(',');
  TForm1& form = Start();
  form.Show1Click();
  Edit1().Type("71x00.5\r");
  EXPECT_EQ(Edit1().Text(), "7100.5");  // the letter was filtered, the text kept
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7", "1", "0", "0", ".", "5", "kHz"));
  EXPECT_EQ(Edit1().SelectedText(), "7100.5");
  EXPECT_TRUE(form.Window().Visible());

  desktop.ClearSent();
  Edit1().SetText("40001");
  Edit1().Type('\r');
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());
  EXPECT_EQ(alert.Beeps(), 1);
  EXPECT_THAT(alert.Flashed(), ElementsAre(form.Window().Handle()));

  // AutoHide hides after a good frequency.
  AsSim(*form.CBAutoHide).Click();
  Edit1().SetText("850");
  Edit1().Type('\r');
  EXPECT_THAT(desktop.Clicks(), ElementsAre("8", "5", "0", "kHz"));
  EXPECT_FALSE(form.Window().Visible());
}

// The operator switched the decimal separator in the control panel while Vorn ran.
TEST_F(MainFormTest, ASettingChangeMakesTheEntryReadTheDecimalSeparatorAgain) {
  AddReceiver();
  locale.SetDecimalSeparator(',');
  TForm1& form = Start();
  form.Show1Click();
  locale.SetDecimalSeparator('.');
  AsSim(form.Window()).SettingChange();
  Edit1().SetText("7100,5");
  Edit1().Type('\r');
  EXPECT_THAT(desktop.Clicks(), IsEmpty());
  EXPECT_EQ(alert.Beeps(), 1);
}

// A press that got no answer may have left digits in the receiver's keypad;
// the operator must learn that, and not from the beep of a mistyped text.
TEST_F(MainFormTest, FailedTuningSaysThatTheReceiverDidNotAnswer) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne + kBeacon);
  WriteIni("[StationLists]\nDefault=list.txt\n");
  TForm1& form = Start();
  form.Show1Click();
  const SimBox failed{BoxKind::Message,
                      "The receiver program did not answer.\rIts keypad may hold a partial entry.",
                      "Vorn"};

  desktop.Hang(keys["1"]);
  Edit1().Type("7100\r");
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7"));
  EXPECT_THAT(kit.Boxes(), ElementsAre(failed));
  EXPECT_EQ(alert.Beeps(), 0);
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7"));  // nothing pressed after the failure

  // The receiver program is gone, also after a search for it: the row is
  // not tuned, and the message says why.
  kit.ClearBoxes();
  desktop.ClearSent();
  desktop.Destroy(receiver_main);
  desktop.Destroy(receiver_keypad);
  LV().ClickRow(0);
  EXPECT_THAT(desktop.Clicks(), IsEmpty());
  EXPECT_THAT(BoxTexts(), ElementsAre("The receiver program is not running."));
  EXPECT_EQ(alert.Beeps(), 0);
  EXPECT_TRUE(form.Window().Visible());
}

TEST_F(MainFormTest, CloseQuestionsDecideWhatIsWrittenAndCancelKeepsTheWindow) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne);
  WriteIni("[Hotkey]\nKey=109\n[StationLists]\nDefault=list.txt\n");
  TForm1& form = Start();
  form.Show1Click();
  Choose({"Hotkey", "Change"});
  Edit1().PressKey(120);
  form.LV->Append({"9650", "12 kHz", "AM", "News"});
  kit.ClearBoxes();

  kit.AnswerNextQuestion(Answer::Cancel);
  Choose({"Close"});
  EXPECT_THAT(BoxTexts(), ElementsAre("Hotkey has changed, save?"));
  EXPECT_FALSE(AsSim(form.Window()).Closed());

  kit.AnswerNextQuestion(Answer::No);
  kit.AnswerNextQuestion(Answer::Cancel);
  Choose({"Close"});
  EXPECT_EQ(BoxTexts().back(), "Stationlist has changed, save?");
  EXPECT_FALSE(AsSim(form.Window()).Closed());
  EXPECT_EQ(dir.Read("list.txt"), kRadioOne);

  kit.AnswerNextQuestion(Answer::No);
  kit.AnswerNextQuestion(Answer::Yes);
  Choose({"Close"});
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  EXPECT_EQ(dir.Read("list.txt"), kRadioOne + "     9650;  12;   AM; \"News\"\r\n");
  EXPECT_NE(dir.Read("Vorn.ini").find("Key=109"), std::string::npos);  // No kept the old key
}

TEST_F(MainFormTest, ChangedListWithoutAListFileAsksWhereToSave) {
  AddReceiver();
  TForm1& form = Start();
  form.LV->Append({"6070", "12 kHz", "AM", "Radio One"});
  kit.ClearBoxes();

  kit.AnswerNextQuestion(Answer::Yes);  // then the save dialog is cancelled
  Choose({"Close"});
  EXPECT_FALSE(AsSim(form.Window()).Closed());

  kit.AnswerNextQuestion(Answer::Yes);
  kit.PickNextFile(dir.Path("saved.txt"));
  Choose({"Close"});
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  EXPECT_EQ(dir.Read("saved.txt"), kRadioOne);
}

TEST_F(MainFormTest, RefusedSettingsWriteShowsTheErrorThenAsksWhetherToCloseAnyway) {
  AddReceiver();
  std::filesystem::create_directory(dir.Path("Vorn.ini"));
  TForm1& form = Start();
  kit.ClearBoxes();
  for (Answer keep : {Answer::No, Answer::Cancel}) {
    kit.AnswerNextQuestion(keep);
    Choose({"Close"});
    ASSERT_EQ(kit.Boxes().size(), 2u);
    EXPECT_EQ(kit.Boxes()[0].Kind, BoxKind::Error);
    EXPECT_EQ(kit.Boxes()[0].Text,
              "In " + dir.Path("Vorn.ini") + " kann nicht geschrieben werden.");
    EXPECT_EQ(kit.Boxes()[1].Kind, BoxKind::Question);
    EXPECT_EQ(kit.Boxes()[1].Text, "Settings could not be saved. Close anyway?");
    EXPECT_FALSE(AsSim(form.Window()).Closed());
    kit.ClearBoxes();
  }
  kit.AnswerNextQuestion(Answer::Yes);
  Choose({"Close"});
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  EXPECT_TRUE(kit.SimApp().Terminated());
}

TEST_F(MainFormTest, SessionEndIsNotRefusedForSettingsButTheListQuestionStays) {
  AddReceiver();
  std::filesystem::create_directory(dir.Path("Vorn.ini"));
  TForm1& form = Start();
  kit.ClearBoxes();
  EXPECT_TRUE(AsSim(form.Window()).QueryEndSession());
  EXPECT_THAT(kit.Boxes(), IsEmpty());

  form.LV->Append({"9650", "12 kHz", "AM", "News"});
  kit.AnswerNextQuestion(Answer::Cancel);
  EXPECT_FALSE(AsSim(form.Window()).QueryEndSession());
  EXPECT_THAT(BoxTexts(), ElementsAre("Stationlist has changed, save?"));
  kit.AnswerNextQuestion(Answer::No);
  EXPECT_TRUE(AsSim(form.Window()).QueryEndSession());
}

// The tray menu and the hotkey stay live while a question is open; they must
// not start a second close inside the first.
TEST_F(MainFormTest, TrayAndHotkeyStartNothingWhileAQuestionIsOpen) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne);
  TForm1& form = Start();  // without Vorn.ini, which the close then writes
  kit.PickNextFile(dir.Path("list.txt"));
  Choose({"Stations", "Load List"});
  form.LV->Append({"9650", "12 kHz", "AM", "News"});
  form.Show1Click();
  kit.ClearBoxes();
  const WindowHandle tray = form.LumoTray1->Handle();
  SimPopupMenu& tray_menu = AsSim(*form.PopupMenu1);

  bool inside = false;
  kit.AnswerNextQuestion([&] {
    inside = true;
    for (const char* item : {"Close", "Hide", "Show"}) {
      tray_menu.ChooseOnNextPopup(item);
      hidden.Deliver(tray, 1025, 0, 517);
    }
    hotkeys.Press(0, 109);
    kit.Choose(form.Window().Menu(), {"Stations", "Load List"});
    EXPECT_TRUE(form.Window().Visible());
    EXPECT_FALSE(std::filesystem::exists(dir.Path("Vorn.ini")));
    return Answer::Yes;
  });
  Choose({"Close"});
  ASSERT_TRUE(inside);
  EXPECT_THAT(BoxTexts(), ElementsAre("Stationlist has changed, save?"));
  EXPECT_THAT(kit.FileDialogsShown().size(), 1u);
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  EXPECT_EQ(dir.Read("list.txt"), kRadioOne + "     9650;  12;   AM; \"News\"\r\n");
  EXPECT_NE(dir.Read("Vorn.ini").find("Key=109"), std::string::npos);

  // Once the box is answered, the tray acts again.
  program.reset();
  instance = SimSingleInstance();
  TForm1& again = Start();
  AsSim(*again.PopupMenu1).ChooseOnNextPopup("Close");
  hidden.Deliver(again.LumoTray1->Handle(), 1025, 0, 517);
  EXPECT_TRUE(AsSim(again.Window()).Closed());
}

TEST_F(MainFormTest, LoadListAsksAboutChangesAndReadsTheChosenFile) {
  AddReceiver();
  dir.Write("first.txt", kRadioOne);
  std::filesystem::create_directory(dir.Path("other"));
  dir.Write("other/second.txt", kBeacon);
  WriteIni("[StationLists]\nDefault=first.txt\n");
  TForm1& form = Start();

  // Unchanged: no question.
  kit.PickNextFile(dir.Path("other/second.txt"));
  Choose({"Stations", "Load List"});
  EXPECT_THAT(kit.Boxes(), IsEmpty());
  EXPECT_EQ(form.ListName(), "second.txt");
  EXPECT_EQ(form.LV->Row(0).Name, "Beacon");

  // Changed, Cancel: neither dialog nor load.
  form.LV->Append({"1", "2", "3", "4"});
  kit.AnswerNextQuestion(Answer::Cancel);
  Choose({"Stations", "Load List"});
  EXPECT_THAT(BoxTexts(), ElementsAre("Old Stationlist has changed,\rsave to second.txt?"));
  EXPECT_THAT(kit.FileDialogsShown().size(), 1u);

  // Yes saves back into the folder the list came from.
  kit.AnswerNextQuestion(Answer::Yes);
  kit.PickNextFile(dir.Path("first.txt"));
  Choose({"Stations", "Load List"});
  EXPECT_EQ(dir.Read("other/second.txt"), kBeacon + "        1;   2;    3; \"4\"\r\n");
  EXPECT_EQ(form.ListName(), "first.txt");

  // A file that cannot be opened changes nothing.
  kit.PickNextFile(dir.Path("missing.txt"));
  Choose({"Stations", "Load List"});
  EXPECT_EQ(kit.Boxes().back().Kind, BoxKind::Error);
  EXPECT_EQ(form.ListName(), "first.txt");
  EXPECT_EQ(form.EdtSLFilename->Text(), "first.txt");
  EXPECT_EQ(form.LV->Count(), 1u);
}

// A list that stopped at a short line is only the head of its file: the first
// save over that file keeps the whole file beside it, whichever command saves.
TEST_F(MainFormTest, ListLoadedInPartKeepsItsFileAsBackupOnTheFirstSaveOverIt) {
  AddReceiver();
  std::string head, tail;
  for (int i = 1; i <= 5; ++i) {
    head += "     " + std::to_string(6000 + i) + ";  12;   AM; \"Head\"\r\n";
    tail += "     " + std::to_string(7000 + i) + ";  12;   AM; \"Tail\"\r\n";
  }
  const std::string original = head + "\r\n" + tail;
  dir.Write("list.txt", original);
  dir.Write("list.txt.bak", "older backup");
  WriteIni("[StationLists]\nDefault=list.txt\n");
  TForm1& form = Start();
  ASSERT_EQ(form.LV->Count(), 5u);

  kit.AnswerNextDialog(ModalResult::Ok, {"9650", "12 kHz", "AM", "News"});
  AsSim(*form.Edit1).DoubleClick();
  kit.AnswerNextQuestion(Answer::Yes);
  Choose({"Close"});
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  EXPECT_EQ(dir.Read("list.txt"), head + "     9650;  12;   AM; \"News\"\r\n");
  EXPECT_EQ(dir.Read("list.txt.bak"), original);

  // The old list's question in Load List, and Save List to the same file by
  // another spelling; a later save keeps the backup it made.
  program.reset();
  instance = SimSingleInstance();
  dir.Write("list.txt", original);
  std::filesystem::remove(dir.Path("list.txt.bak"));
  dir.Write("other.txt", kBeacon);
  TForm1& again = Start();
  again.LV->Append({"1", "2", "3", "4"});
  kit.AnswerNextQuestion(Answer::Yes);
  kit.PickNextFile(dir.Path("other.txt"));
  Choose({"Stations", "Load List"});
  EXPECT_EQ(dir.Read("list.txt.bak"), original);
  EXPECT_EQ(dir.Read("list.txt"), head + "        1;   2;    3; \"4\"\r\n");

  dir.Write("list.txt", original);
  std::filesystem::remove(dir.Path("list.txt.bak"));
  kit.PickNextFile(dir.Path("list.txt"));
  Choose({"Stations", "Load List"});
  kit.PickNextFile(dir.Path("copy.txt"));
  Choose({"Stations", "Save List"});
  EXPECT_FALSE(std::filesystem::exists(dir.Path("copy.txt.bak")));
  kit.PickNextFile(dir.Dir() + "./list.txt");
  Choose({"Stations", "Save List"});
  EXPECT_EQ(dir.Read("list.txt.bak"), original);
  EXPECT_EQ(dir.Read("list.txt"), head);
  again.LV->Append({"1", "2", "3", "4"});
  kit.PickNextFile(dir.Path("list.txt"));
  Choose({"Stations", "Save List"});
  EXPECT_EQ(dir.Read("list.txt.bak"), original);
}

// Every row drawn on its own made a long list take minutes to load under Wine.
TEST_F(MainFormTest, ListsLoadIntoTheViewWithoutARedrawPerRow) {
  AddReceiver();
  std::string many;
  for (int i = 0; i < 300; ++i) many += kRadioOne;
  dir.Write("many.txt", many);
  dir.Write("broken.txt", many + "7100;12;AM\r\n");
  WriteIni("[StationLists]\nDefault=many.txt\n");
  TForm1& form = Start();
  EXPECT_EQ(form.LV->Count(), 300u);
  EXPECT_LE(LV().Repaints(), 3u);

  for (const char* file : {"many.txt", "broken.txt"}) {
    const std::size_t before = LV().Repaints();
    kit.PickNextFile(dir.Path(file));
    Choose({"Stations", "Load List"});
    EXPECT_EQ(form.LV->Count(), 300u) << file;
    EXPECT_LE(LV().Repaints(), before + 2) << file;
  }
}

TEST_F(MainFormTest, SaveListWritesElsewhereAndKeepsTheListName) {
  AddReceiver();
  dir.Write("first.txt", kRadioOne);
  WriteIni("[StationLists]\nDefault=first.txt\n");
  TForm1& form = Start();
  form.LV->Append({"14100", "1.6 kHz", "CW", "Beacon"});
  kit.PickNextFile(dir.Path("copy.txt"));
  Choose({"Stations", "Save List"});
  EXPECT_EQ(dir.Read("copy.txt"), kRadioOne + kBeacon);
  EXPECT_EQ(form.ListName(), "first.txt");
  EXPECT_TRUE(form.Stations().ListUnchanged());
}

TEST_F(MainFormTest, NewEntryIsPrefilledPlacedAndAppendedOnlyOnOk) {
  AddReceiver();
  TForm1& form = Start();
  form.Window().SetBounds({100, 50, 309, 515});
  Edit1().SetText("7100");
  kit.AnswerNextDialog(ModalResult::Cancel);
  AsSim(*form.Edit1).DoubleClick();
  ASSERT_EQ(kit.DialogsShown().size(), 1u);
  const SimDialogShown& shown = kit.DialogsShown()[0];
  EXPECT_EQ(shown.Caption, "Add to List");
  EXPECT_THAT(shown.Fields, ElementsAre("7100", "50 kHz", "AM", ""));
  // Its right edge at the window's, below the list's header.
  EXPECT_EQ(shown.Bounds.Left + shown.Bounds.Width, 100 + 309);
  EXPECT_EQ(shown.Bounds.Top, 50 + 41 + form.LV->Bounds().Top + 50);
  EXPECT_EQ(form.LV->Count(), 0u);

  kit.AnswerNextDialog(ModalResult::Ok, {"7100", "2.4kHz", "USB", "Ham"});
  kit.Choose(*form.PopupMenu2, {"New Entry"});
  ASSERT_EQ(form.LV->Count(), 1u);
  EXPECT_EQ(form.LV->Row(0), (StationRow{"7100", "2.4kHz", "USB", "Ham"}));

  kit.Choose(*form.PopupMenu2, {"Delete Entry"});  // nothing selected
  EXPECT_EQ(form.LV->Count(), 1u);
  form.LV->Select(0);
  kit.Choose(*form.PopupMenu2, {"Delete Entry"});
  EXPECT_EQ(form.LV->Count(), 0u);
}

TEST_F(MainFormTest, SortingPlacesRowsByCaptionAndCountsAsAChange) {
  AddReceiver();
  dir.Write("list.txt", "     6070;  12;   AM; \"A\"\r\n    14100;  12;   AM; \"B\"\r\n");
  WriteIni("[StationLists]\nDefault=list.txt\n");
  TForm1& form = Start();
  AsSim(*form.CBSorted).Click();
  EXPECT_EQ(form.LV->Row(0).Frequency, "14100");
  EXPECT_FALSE(form.Stations().ListUnchanged());
  form.LV->Append({"10000", "12 kHz", "AM", "C"});
  EXPECT_EQ(form.LV->Row(0).Frequency, "10000");
  AsSim(*form.CBSorted).Click();
  form.LV->Append({"1", "12 kHz", "AM", "D"});
  EXPECT_EQ(form.LV->Row(3).Frequency, "1");
}

TEST_F(MainFormTest, ClickAndNavigationKeysTuneToTheSelectedRow) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne + kBeacon);
  WriteIni("[StationLists]\nDefault=list.txt\n");
  TForm1& form = Start();
  form.Show1Click();

  LV().ClickEmpty();
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());
  LV().ClickRow(1);
  EXPECT_THAT(desktop.Clicks(), ElementsAre("1", "4", "1", "0", "0", "kHz", "CW", "1.6kHz"));

  for (VirtualKey key : {33, 34, 35, 36, 38, 40, 37, 39}) {
    desktop.ClearSent();
    LV().KeyUp(key);
    EXPECT_EQ(desktop.Clicks().empty(), key == 37 || key == 39) << key;
  }
}

TEST_F(MainFormTest, HotkeyTogglesTheWindowAndCaptureTakesTheNextBareKey) {
  AddReceiver();
  TForm1& form = Start();
  form.Window().Hide();
  kit.ActivateOtherProgram();
  hotkeys.Press(0, 109);
  EXPECT_TRUE(form.Window().Visible());
  EXPECT_TRUE(form.Edit1->Focused());
  hotkeys.Press(0, 109);
  EXPECT_FALSE(form.Window().Visible());

  form.Show1Click();
  kit.ClearBoxes();
  Choose({"Hotkey", "Change"});
  EXPECT_FALSE(form.LV->Visible());
  EXPECT_TRUE(form.Label1->Visible());
  Edit1().PressKey(27);
  EXPECT_TRUE(form.LV->Visible());
  EXPECT_FALSE(form.Label2->Visible());
  EXPECT_EQ(form.CurrentHotKey(), 109u);
  EXPECT_THAT(kit.Boxes(), IsEmpty());

  Choose({"Hotkey", "Change"});
  Edit1().PressKey(16, ShiftState{true, false, false});
  EXPECT_EQ(form.CurrentHotKey(), 16u);
  Choose({"Hotkey", "Change"});
  EXPECT_TRUE(Edit1().PressKey(120));
  EXPECT_EQ(form.CurrentHotKey(), 120u);
  EXPECT_EQ(Edit1().Text(), "");
  EXPECT_EQ(BoxTexts().back(), "English: F9\rLocalized: F9\rord(Key): 120");
  ASSERT_EQ(hotkeys.Registrations().size(), 1u);
  EXPECT_EQ(hotkeys.Registrations()[0].VirtualKey, 120);
  EXPECT_EQ(atoms.References("HotKeyManagerHotKey109"), 0);

  // Back in frequency entry: Enter tunes again.
  Edit1().Type("9\r");
  EXPECT_THAT(desktop.Clicks(), ElementsAre("9", "kHz"));
}

// Each press is told apart by the registration it comes from.
TEST_F(MainFormTest, APressOfAnotherRegistrationDoesNotToggleTheWindow) {
  AddReceiver();
  TForm1& form = Start();
  ASSERT_NE(form.HotKeys().RegisterKey(120), 0);
  kit.ActivateOtherProgram();
  hotkeys.Press(0, 120);
  EXPECT_FALSE(form.Window().Visible());
  hotkeys.Press(0, 109);
  EXPECT_TRUE(form.Window().Visible());
}

TEST_F(MainFormTest, KeyTakenByAnotherProgramCanBeFollowedByAnotherChange) {
  AddReceiver();
  hotkeys.RegisterForAnotherProgram(0, 120);
  TForm1& form = Start();
  form.Show1Click();
  Choose({"Hotkey", "Change"});
  Edit1().PressKey(120);
  EXPECT_EQ(form.HotKeyIndex(), 0);
  EXPECT_EQ(form.CurrentHotKey(), 120u);  // shown as the new key all the same
  EXPECT_EQ(BoxTexts().back(), "English: F9\rLocalized: F9\rord(Key): 120");

  Choose({"Hotkey", "Change"});
  Edit1().PressKey(16);
  EXPECT_NE(form.HotKeyIndex(), 0);
  form.Window().Hide();
  kit.ActivateOtherProgram();
  hotkeys.Press(0, 16);
  EXPECT_TRUE(form.Window().Visible());
}

TEST_F(MainFormTest, RemoteControlIsOffUnlessTheSettingsTurnItOn) {
  AddReceiver();
  WriteIni("[Remote]\nPort=4600\n");
  Start();
  EXPECT_EQ(program->Remote(), nullptr);
  EXPECT_EQ(sockets.Connect(4600), -1);
  EXPECT_EQ(sockets.Connect(4532), -1);
  EXPECT_THAT(kit.Boxes(), IsEmpty());
}

TEST_F(MainFormTest, RemoteClientsTuneThroughTheSameLinkAsTheWindowAndSeeWhatItTuned) {
  AddReceiver();
  dir.Write("list.txt", kBeacon);
  WriteIni("[Remote]\nEnabled=1\nPort=4600\nAddress=127.0.0.1\n[StationLists]\nDefault=list.txt\n");
  TForm1& form = Start();
  EXPECT_TRUE(form.Remote1->Item(0).Checked());
  EXPECT_EQ(std::string(shell.Shown().at(0).Tip.data()), "Vorn - :4600");
  EXPECT_EQ(sockets.ListenAddress(), "127.0.0.1");
  const int client = sockets.Connect(4600);
  ASSERT_NE(client, -1);
  sockets.Write(client, "F 7100000\nM CW 1000\n");
  EXPECT_EQ(sockets.Read(client), "RPRT 0\nRPRT 0\n");
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7", "1", "0", "0", "kHz", "CW", "1.6kHz"));

  form.Show1Click();
  Edit1().SetText("850");
  Edit1().Type('\r');
  sockets.Write(client, "f\n");
  EXPECT_EQ(sockets.Read(client), "850000\n");

  LV().ClickRow(0);
  sockets.Write(client, "fm\n");
  EXPECT_EQ(sockets.Read(client), "14100000\nCW\n1600\n");

  // Switched off in the menu, it stays off.
  Choose({"Remote", "Network (hamlib) 127.0.0.1:4600"});
  Choose({"Close"});
  EXPECT_NE(dir.Read("Vorn.ini").find("[Remote]\r\nEnabled=0\r\n"), std::string::npos);
}

TEST_F(MainFormTest, TheRemoteMenusItemStartsAndStopsTheEndpointAndTheCloseKeepsTheChoice) {
  AddReceiver();
  WriteIni("[Autohide]\nChecked=0\n");
  TForm1& form = Start();
  MenuItems& menu = form.Window().Menu();
  ASSERT_EQ(menu.Count(), 6u);
  EXPECT_EQ(menu.Item(4).Caption(), "Info");
  EXPECT_EQ(menu.Item(5).Caption(), "Remote");
  EXPECT_THAT(
      static_cast<SimMenuItem&>(menu.Item(5)).Layout(),
      ElementsAre(kNetworkItem, "Kenwood CAT...", "flrig 127.0.0.1:12345", "-", "CAT Port..."));
  MenuItem& item = menu.Item(5).Item(0);
  EXPECT_EQ(item.Caption(), kNetworkItem);
  EXPECT_FALSE(item.Checked());
  const auto tip = [this] { return std::string(shell.Shown().at(0).Tip.data()); };

  Choose({"Remote", kNetworkItem});
  EXPECT_TRUE(item.Checked());
  EXPECT_EQ(tip(), "Vorn - :4532");
  const int client = sockets.Connect(4532);
  ASSERT_NE(client, -1);
  sockets.Write(client, "F 7100000\n");
  EXPECT_EQ(sockets.Read(client), "RPRT 0\n");

  Choose({"Remote", kNetworkItem});
  EXPECT_FALSE(item.Checked());
  EXPECT_EQ(tip(), "Vorn");
  EXPECT_TRUE(sockets.ClosedByServer(client));
  EXPECT_EQ(sockets.Connect(4532), -1);
  EXPECT_EQ(program->Remote(), nullptr);

  Choose({"Remote", kNetworkItem});
  Choose({"Close"});
  EXPECT_NE(dir.Read("Vorn.ini").find("[Remote]\r\nEnabled=1\r\n"), std::string::npos);
  EXPECT_THAT(kit.Boxes(), IsEmpty());
}

TEST_F(MainFormTest, TheFlrigItemComesLastAndServesItsOwnPortBesideTheNetworkOne) {
  AddReceiver();
  WriteIni("[Remote]\nEnabled=1\n[Flrig]\nEnabled=1\n");
  TForm1& form = Start();
  MenuItem& item = form.Remote1->Item(EndpointTable().size() - 1);
  EXPECT_EQ(item.Caption(), "flrig 127.0.0.1:12345");
  EXPECT_TRUE(item.Checked());
  EXPECT_EQ(std::string(shell.Shown().at(0).Tip.data()), "Vorn - :4532 :12345");
  const int client = sockets.Connect(12345);
  ASSERT_NE(client, -1);
  const std::string call =
      "<methodCall><methodName>rig.set_vfo</methodName><params><param>"
      "<value><double>7100000</double></value></param></params></methodCall>";
  sockets.Write(client, "POST /RPC2 HTTP/1.1\r\nContent-length: " + std::to_string(call.size()) +
                            "\r\n\r\n" + call);
  EXPECT_THAT(sockets.Read(client), HasSubstr("<value></value>"));
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7", "1", "0", "0", "kHz"));

  Choose({"Remote", "flrig 127.0.0.1:12345"});
  EXPECT_FALSE(item.Checked());
  EXPECT_TRUE(sockets.ClosedByServer(client));
  EXPECT_NE(sockets.Connect(4532), -1);
  Choose({"Close"});
  EXPECT_NE(dir.Read("Vorn.ini").find("[Flrig]\r\nEnabled=0\r\n"), std::string::npos);
}

TEST_F(MainFormTest, APortTakenWhenSwitchedOnGivesTheStartMessageAndLeavesItOff) {
  AddReceiver();
  WriteIni("[Remote]\nPort=4600\n");
  sockets.TakePort(4600);
  TForm1& form = Start();
  Choose({"Remote", "Network (hamlib) 127.0.0.1:4600"});
  EXPECT_THAT(
      BoxTexts(),
      ElementsAre("Remote control cannot listen on 127.0.0.1:4600.\rVorn runs without it."));
  EXPECT_FALSE(form.Remote1->Item(0).Checked());
  EXPECT_EQ(std::string(shell.Shown().at(0).Tip.data()), "Vorn");
  Choose({"Close"});
  EXPECT_EQ(dir.Read("Vorn.ini").find("Enabled"), std::string::npos);
}

TEST_F(MainFormTest, ARemotePortThatCannotBeHadGivesOneMessageAndVornRunsOn) {
  AddReceiver();
  sockets.TakePort(4532);
  WriteIni("[Remote]\nEnabled=1\n");
  Start();
  EXPECT_THAT(
      BoxTexts(),
      ElementsAre("Remote control cannot listen on 127.0.0.1:4532.\rVorn runs without it."));
  EXPECT_FALSE(kit.SimApp().Terminated());
  EXPECT_EQ(program->Remote(), nullptr);
  EXPECT_THAT(hidden.LiveWindows().size(), 2u);  // the hotkey manager's and the tray's
  EXPECT_FALSE(program->Form1()->Remote1->Item(0).Checked());

  // Once the port is free, the menu switches it on.
  sockets.FreePort(4532);
  Choose({"Remote", kNetworkItem});
  EXPECT_TRUE(program->Form1()->Remote1->Item(0).Checked());
  EXPECT_NE(sockets.Connect(4532), -1);
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

const std::string kSchedule =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;"
    "Stop:60;\r\n"
    "6070;0500-0600;Mo-Fr;D;Radio One;E;Eu;;1;;\r\n"
    "9420.5;2300-0100;Sa;G;Night \"Owl\";D;WEu;;1;;\r\n"
    "garbage line\r\n";

class ImportAndFindTest : public MainFormTest {
 protected:
  TForm1& StartWithList(const std::string& list) {
    AddReceiver();
    dir.Write("list.txt", list);
    WriteIni("[StationLists]\nDefault=list.txt\n");
    TForm1& form = Start();
    form.Show1Click();
    kit.ClearBoxes();
    return form;
  }
  std::vector<StationRow> Rows() {
    std::vector<StationRow> rows;
    for (std::size_t i = 0; i < LV().Count(); ++i) rows.push_back(LV().Row(i));
    return rows;
  }
  SimToolWindow& FindWindow() { return AsSim(program->Form1()->FindBox->Window()); }
  SimEdit& FindEdit() { return AsSim(*program->Form1()->FindBox->EdtFind); }
};

TEST_F(ImportAndFindTest, ScheduleImportAsksForTheStationsOnAirAndLeavesNoListFile) {
  TForm1& form = StartWithList(kRadioOne);
  dir.Write("sked.csv", kSchedule);
  form.LV->Append({"1", "12 kHz", "AM", "Changed"});

  kit.AnswerNextQuestion(Answer::No);   // do not save list.txt
  kit.AnswerNextQuestion(Answer::Yes);  // on air now only
  kit.PickNextFile(dir.Path("sked.csv"));
  Choose({"Stations", "Import List"});

  EXPECT_THAT(BoxTexts(), ElementsAre("Old Stationlist has changed,\rsave to list.txt?",
                                      "Import only the stations on air now (UTC)?",
                                      "1 stations imported, 1 line skipped."));
  ASSERT_EQ(kit.FileDialogsShown().size(), 1u);
  EXPECT_EQ(kit.FileDialogsShown()[0].Filter,
            "Schedules and lists (*.csv;*.txt)|*.csv;*.txt|All files|*.*");
  EXPECT_EQ(kit.FileDialogsShown()[0].InitialDir, dir.Dir());
  EXPECT_THAT(Rows(),
              ElementsAre(StationRow{"6070", "6 kHz", "AM", "Radio One E->Eu 0500-0600 Mo-Fr"}));
  EXPECT_EQ(form.ListName(), "");
  EXPECT_EQ(form.EdtSLFilename->Text(), "");
  EXPECT_EQ(dir.Read("list.txt"), kRadioOne);

  // The rows belong to no file: the close asks where they go.
  kit.ClearBoxes();
  kit.AnswerNextQuestion(Answer::Yes);
  kit.PickNextFile(dir.Path("imported.txt"));
  Choose({"Close"});
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  EXPECT_THAT(BoxTexts(), ElementsAre("Stationlist has changed, save?"));
  EXPECT_EQ(dir.Read("imported.txt"),
            "     6070;   6;   AM; \"Radio One E->Eu 0500-0600 Mo-Fr\"\r\n");
  EXPECT_EQ(dir.Read("sked.csv"), kSchedule);
  EXPECT_EQ(dir.Read("list.txt"), kRadioOne);
}

TEST_F(ImportAndFindTest, NoImportsTheWholeScheduleAndCancelImportsNothing) {
  TForm1& form = StartWithList(kRadioOne);
  dir.Write("sked.csv", kSchedule);

  kit.AnswerNextQuestion(Answer::Cancel);
  kit.PickNextFile(dir.Path("sked.csv"));
  Choose({"Stations", "Import List"});
  EXPECT_THAT(Rows(), ElementsAre(StationRow{"6070", "12 kHz", "AM", "Radio One"}));
  EXPECT_EQ(form.ListName(), "list.txt");

  kit.ClearBoxes();
  kit.AnswerNextQuestion(Answer::No);
  kit.PickNextFile(dir.Path("sked.csv"));
  Choose({"Stations", "Import List"});
  EXPECT_EQ(BoxTexts().back(), "2 stations imported, 1 line skipped.");
  ASSERT_EQ(LV().Count(), 2u);
  EXPECT_EQ(LV().Row(1),
            (StationRow{"9420.5", "6 kHz", "AM", "Night \"Owl\" D->WEu 2300-0100 Sa"}));

  // Another import would drop these rows: they may be saved first.
  kit.ClearBoxes();
  kit.AnswerNextQuestion(Answer::Cancel);
  Choose({"Stations", "Import List"});
  EXPECT_THAT(BoxTexts(), ElementsAre("Stationlist has changed, save?"));
  EXPECT_EQ(kit.FileDialogsShown().size(), 2u);
  EXPECT_EQ(LV().Count(), 2u);
}

TEST_F(ImportAndFindTest, UnknownFilesAndEmptyImportsChangeNothing) {
  TForm1& form = StartWithList(kRadioOne);
  dir.Write("notes.txt", "Shopping: bread, milk\r\n");
  dir.Write("empty.csv", "Location,Name,Frequency,Mode\r\n1,VHF,145.5,FM\r\n");

  kit.PickNextFile(dir.Path("notes.txt"));
  Choose({"Stations", "Import List"});
  kit.PickNextFile(dir.Path("empty.csv"));
  Choose({"Stations", "Import List"});
  kit.PickNextFile(dir.Path("missing.csv"));
  Choose({"Stations", "Import List"});

  ASSERT_EQ(kit.Boxes().size(), 3u);
  EXPECT_EQ(kit.Boxes()[0].Text, "The format of notes.txt is not known.");
  EXPECT_EQ(kit.Boxes()[0].Kind, BoxKind::Message);
  EXPECT_EQ(kit.Boxes()[1].Text, "0 stations imported, 1 line skipped.");
  EXPECT_EQ(kit.Boxes()[2].Kind, BoxKind::Error);
  EXPECT_THAT(Rows(), ElementsAre(StationRow{"6070", "12 kHz", "AM", "Radio One"}));
  EXPECT_EQ(form.ListName(), "list.txt");
  EXPECT_TRUE(form.Stations().ListUnchanged());
}

TEST_F(ImportAndFindTest, ImportedBookmarkTunesFrequencyDemodulatorAndBandwidth) {
  StartWithList(kRadioOne);
  dir.Write("bookmarks.csv",
            "# Tag name ; color\nUntagged ; #c0c0c0\n\n"
            "# Frequency ; Name ; Modulation ; Bandwidth ; Tags\n"
            "14100000 ; Beacon ; CW-U ; 9000 ; Untagged\n");
  kit.PickNextFile(dir.Path("bookmarks.csv"));
  Choose({"Stations", "Import List"});
  EXPECT_EQ(BoxTexts().back(), "1 stations imported.");

  desktop.ClearSent();
  LV().ClickRow(0);
  EXPECT_THAT(desktop.Clicks(), ElementsAre("1", "4", "1", "0", "0", "kHz", "CW", "12 kHz"));
}

TEST_F(ImportAndFindTest, FindSelectsWithoutTuningAndWrapsWithF3AndEnter) {
  std::string list;
  for (int i = 0; i < 30; ++i)
    list += "     " + std::to_string(6000 + i) + ";  12;   AM; \"Filler\"\r\n";
  TForm1& form =
      StartWithList(list + kRadioOne + kBeacon + "     7200;  12;  USB; \"Radio Two\"\r\n");
  desktop.ClearSent();

  EXPECT_TRUE(Edit1().PressKey('F', {false, true, false}));
  EXPECT_TRUE(FindWindow().Visible());
  EXPECT_TRUE(FindEdit().Focused());
  EXPECT_TRUE(LV().SelectionAlwaysShown());

  FindEdit().Type("RADIO");
  EXPECT_EQ(LV().Selected(), 30u);
  EXPECT_GE(30u, LV().TopRow());
  EXPECT_LT(30u, LV().TopRow() + SimListView::kPageRows);
  FindEdit().Type(" t");
  EXPECT_EQ(LV().Selected(), 32u);
  FindEdit().Type('\b');
  FindEdit().Type('\b');
  EXPECT_EQ(LV().Selected(), 30u);
  EXPECT_TRUE(FindEdit().PressKey(114));  // F3
  EXPECT_EQ(LV().Selected(), 32u);
  FindEdit().Type('\r');
  EXPECT_EQ(LV().Selected(), 30u);  // wrapped
  EXPECT_EQ(FindEdit().Text(), "RADIO");
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());

  FindEdit().Type("x");
  EXPECT_EQ(form.FindBox->LblResult->Caption(), "Not found");
  EXPECT_EQ(LV().Selected(), 30u);
  FindEdit().Type('\b');
  EXPECT_EQ(form.FindBox->LblResult->Caption(), "");

  // Esc back to the list, where Enter tunes the row found.
  FindEdit().Type('\x1b');
  EXPECT_FALSE(FindWindow().Visible());
  EXPECT_FALSE(LV().SelectionAlwaysShown());
  EXPECT_TRUE(LV().Focused());
  LV().PressKey(13);
  EXPECT_THAT(desktop.Clicks(), ElementsAre("6", "0", "7", "0", "kHz", "AM", "12 kHz"));
}

TEST_F(ImportAndFindTest, FindFromThePopupMenuHiddenWithTheWindowAndNotDuringHotkeyCapture) {
  TForm1& form = StartWithList(kRadioOne + kBeacon);
  AsSim(*form.PopupMenu2).ChooseOnNextPopup("Find\x85");
  LV().RightClick({10, 10});
  EXPECT_TRUE(FindWindow().Visible());
  FindEdit().Type("14100");
  EXPECT_EQ(LV().Selected(), 1u);
  FindWindow().RequestClose();
  EXPECT_FALSE(LV().SelectionAlwaysShown());

  // The box goes when the window does.
  AsSim(*form.PopupMenu2).ChooseOnNextPopup("Find\x85");
  LV().RightClick({10, 10});
  EXPECT_TRUE(FindWindow().Visible());
  Choose({"Hide"});
  EXPECT_FALSE(FindWindow().Visible());
  EXPECT_FALSE(LV().SelectionAlwaysShown());
  form.Show1Click();

  kit.ClearBoxes();
  Choose({"Hotkey", "Change"});
  Edit1().PressKey('F', {false, true, false});
  EXPECT_FALSE(FindWindow().Visible());
  EXPECT_EQ(form.CurrentHotKey(), static_cast<std::uint32_t>('F'));
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

const std::string kHamBand = "     7100; 1.6;  LSB; \"Ham band\"\r\n";

// Edit Entry and the hotkeys that step through the list.
class EverydayKeysTest : public MainFormTest {
 protected:
  TForm1& StartWith(const std::string& list, const std::string& hotkeys = "") {
    AddReceiver();
    dir.Write("list.txt", list);
    WriteIni("[StationLists]\nDefault=list.txt\n" + hotkeys);
    TForm1& form = Start();
    kit.ClearBoxes();
    return form;
  }
  std::string Tip() const { return shell.Shown().at(0).Tip.data(); }
  std::vector<std::string> Names() {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < LV().Count(); ++i) names.push_back(LV().Row(i).Name);
    return names;
  }
};

TEST_F(EverydayKeysTest, EditEntryReplacesTheSelectedRowInPlaceWithoutTuning) {
  TForm1& form = StartWith(kRadioOne + kBeacon + kHamBand);
  form.Show1Click();
  kit.Choose(*form.PopupMenu2, {"Edit Entry"});  // nothing selected
  EXPECT_THAT(kit.DialogsShown(), IsEmpty());

  LV().ClickRow(1);
  desktop.ClearSent();
  kit.AnswerNextDialog(ModalResult::Cancel, {"1", "2", "3", "4"});
  kit.Choose(*form.PopupMenu2, {"Edit Entry"});
  kit.AnswerNextDialog(ModalResult::Cancel);
  kit.Choose(*form.PopupMenu2, {"New Entry"});
  ASSERT_EQ(kit.DialogsShown().size(), 2u);
  const SimDialogShown& shown = kit.DialogsShown()[0];
  EXPECT_EQ(shown.Caption, "Edit Entry");
  EXPECT_THAT(shown.Fields, ElementsAre("14100", "1.6 kHz", "CW", "Beacon"));
  EXPECT_EQ(shown.Bounds, kit.DialogsShown()[1].Bounds);  // where New Entry places it
  EXPECT_EQ(kit.DialogsShown()[1].Caption, "Add to List");
  EXPECT_EQ(LV().Row(1).Name, "Beacon");

  // OK on the row as it was is no change; F2 opens the same dialog.
  kit.AnswerNextDialog(ModalResult::Ok);
  LV().PressKey(113);
  EXPECT_EQ(kit.DialogsShown().back().Caption, "Edit Entry");
  EXPECT_TRUE(form.Stations().ListUnchanged());

  kit.AnswerNextDialog(ModalResult::Ok, {"14100", "0.8 kHz", "CW", "Beacon Two"});
  LV().PressKey(113);
  EXPECT_THAT(Names(), ElementsAre("Radio One", "Beacon Two", "Ham band"));
  EXPECT_EQ(LV().Row(1), (StationRow{"14100", "0.8 kHz", "CW", "Beacon Two"}));
  EXPECT_EQ(LV().Selected(), 1u);
  EXPECT_FALSE(form.Stations().ListUnchanged());
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());

  kit.AnswerNextQuestion(Answer::Yes);
  form.Window().Close();
  EXPECT_EQ(dir.Read("list.txt"),
            kRadioOne + "    14100; 0.8;   CW; \"Beacon Two\"\r\n" + kHamBand);
}

TEST_F(EverydayKeysTest, NextAndPreviousStepAndTuneWhileVornStaysHidden) {
  std::string list;
  for (int i = 0; i < 12; ++i)
    list += "     60" + std::to_string(10 + i) + ";  12;   AM; \"R\"\r\n";
  TForm1& form = StartWith(kRadioOne + kBeacon + list, "[Hotkey]\nNext=120\nPrevious=16\n");
  kit.ActivateOtherProgram();
  ASSERT_NE(form.NextHotKey().Index(), 0);

  hotkeys.Press(0, 120);
  EXPECT_EQ(LV().Selected(), 0u);
  EXPECT_THAT(desktop.Clicks(), ElementsAre("6", "0", "7", "0", "kHz", "AM", "12 kHz"));
  EXPECT_EQ(Tip(), "Vorn - 6070 Radio One");
  EXPECT_FALSE(form.Window().Visible());
  EXPECT_EQ(kit.ActiveWindow(), nullptr);
  EXPECT_THAT(kit.Boxes(), IsEmpty());

  desktop.ClearSent();
  hotkeys.Press(0, 120);
  EXPECT_EQ(LV().Selected(), 1u);
  EXPECT_THAT(desktop.Clicks(), ElementsAre("1", "4", "1", "0", "0", "kHz", "CW", "1.6kHz"));
  EXPECT_EQ(Tip(), "Vorn - 14100 Beacon");

  // Back before the first row is the last one, scrolled into view; past the
  // last comes the first again.
  hotkeys.Press(0, 16);
  hotkeys.Press(0, 16);
  EXPECT_EQ(LV().Selected(), 13u);
  EXPECT_EQ(LV().TopRow(), 4u);
  hotkeys.Press(0, 120);
  EXPECT_EQ(LV().Selected(), 0u);
  EXPECT_EQ(LV().TopRow(), 0u);

  // A step the receiver does not answer says so, and the tip names no station.
  desktop.Hang(keys["1"]);
  hotkeys.Press(0, 120);
  EXPECT_THAT(BoxTexts(), ElementsAre(HasSubstr("did not answer")));
  EXPECT_EQ(Tip(), "Vorn");

  kit.ClearBoxes();
  desktop.ClearSent();
  form.LV->Clear();
  hotkeys.Press(0, 120);
  hotkeys.Press(0, 16);
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());
  EXPECT_THAT(kit.Boxes(), IsEmpty());
}

TEST_F(EverydayKeysTest, NoStepWhileABoxWaitsAndAKeyNotSetIsNeitherRegisteredNorWritten) {
  TForm1& form = StartWith(kRadioOne + kBeacon, "[Hotkey]\nNext=120\n");
  form.Show1Click();
  kit.AnswerNextDialog([&](SimDialog&) {
    hotkeys.Press(0, 120);
    return ModalResult::Cancel;
  });
  form.Edit1DblClick();
  EXPECT_EQ(LV().Selected(), std::nullopt);
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());

  // Not set, they are neither registered nor written.
  EXPECT_EQ(hotkeys.Registrations().size(), 2u);
  form.Close1Click();
  EXPECT_THAT(dir.Read("Vorn.ini"), Not(HasSubstr("Previous")));
}

TEST_F(EverydayKeysTest, NextAndPreviousAreCapturedAsChangeDoesAndWrittenOnlyWhenChanged) {
  hotkeys.RegisterForAnotherProgram(0, 16);
  TForm1& form = StartWith(kRadioOne, "[Hotkey]\nKey=109\nPrevious=16\n");
  form.Show1Click();
  EXPECT_EQ(form.PreviousHotKey().Current(), 16u);
  EXPECT_EQ(form.PreviousHotKey().Index(), 0);  // taken: no error
  EXPECT_THAT(kit.Boxes(), IsEmpty());

  Choose({"Hotkey", "Change Next"});
  EXPECT_TRUE(form.Label1->Visible());
  Edit1().PressKey(120, ShiftState{false, true, false});
  EXPECT_EQ(form.NextHotKey().Current(), 120u);
  EXPECT_NE(form.NextHotKey().Index(), 0);
  EXPECT_EQ(BoxTexts().back(),
            "English: Num -\rLocalized: Num -\rord(Key): 109\rNext: F9\rPrevious: Shift");

  // One key cannot serve two of Vorn's hotkeys.
  for (const char* item : {"Change", "Change Previous"}) {
    Choose({"Hotkey", item});
    Edit1().PressKey(120);
    EXPECT_EQ(BoxTexts().back(), "F9 is already Vorn's Next hotkey.") << item;
    EXPECT_TRUE(form.LV->Visible());
  }
  Choose({"Hotkey", "Change Next"});
  Edit1().PressKey(109);
  EXPECT_EQ(BoxTexts().back(), "Num - is already Vorn's hotkey.");
  EXPECT_EQ(form.CurrentHotKey(), 109u);
  EXPECT_EQ(form.NextHotKey().Current(), 120u);
  EXPECT_EQ(form.PreviousHotKey().Current(), 16u);

  // No question for them at the close, and only the changed one is written.
  Choose({"Close"});
  EXPECT_TRUE(AsSim(form.Window()).Closed());
  const std::string ini = dir.Read("Vorn.ini");
  EXPECT_THAT(ini, HasSubstr("Next=120"));
  EXPECT_THAT(ini, HasSubstr("Previous=16"));  // as the file had it
  program.reset();
  EXPECT_EQ(atoms.Count(), 0u);
}

TEST_F(MainFormTest, KenwoodCatAsksForItsPortOpensItAndTheCloseKeepsBoth) {
  AddReceiver();
  ports.AddPort("COM3");
  ports.AddPort("COM5");
  WriteIni("[Autohide]\nChecked=0\n");
  TForm1& form = Start();
  MenuItem& item = form.Remote1->Item(1);
  EXPECT_FALSE(ports.IsOpen("COM5"));

  // No port yet: the item asks for one, offering the system's.
  kit.AnswerNextDialog(ModalResult::Ok, {" COM5 "});
  Choose({"Remote", "Kenwood CAT..."});
  ASSERT_EQ(kit.DialogsShown().size(), 1u);
  EXPECT_EQ(kit.DialogsShown()[0].Caption, "CAT Port");
  EXPECT_TRUE(ports.IsOpen("COM5"));
  EXPECT_TRUE(item.Checked());
  EXPECT_EQ(item.Caption(), "Kenwood CAT on COM5");
  EXPECT_EQ(std::string(shell.Shown().at(0).Tip.data()), "Vorn - COM5");

  ports.Write("COM5", "FA00007100000;ID;");
  ports.Tick();
  EXPECT_EQ(ports.Read("COM5"), "ID019;");
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7", "1", "0", "0", "kHz"));

  // Another port through the port item: the first one is let go.
  kit.AnswerNextDialog(ModalResult::Ok, {"COM3"});
  Choose({"Remote", "CAT Port..."});
  EXPECT_FALSE(ports.IsOpen("COM5"));
  EXPECT_TRUE(ports.IsOpen("COM3"));
  EXPECT_EQ(item.Caption(), "Kenwood CAT on COM3");
  // Cancelled, nothing changes.
  Choose({"Remote", "CAT Port..."});
  EXPECT_TRUE(ports.IsOpen("COM3"));

  Choose({"Close"});
  EXPECT_NE(dir.Read("Vorn.ini").find("[Cat]\r\nEnabled=1\r\nPort=COM3\r\n"), std::string::npos);
  EXPECT_THAT(kit.Boxes(), IsEmpty());
}

TEST_F(MainFormTest, AKenwoodPortHeldOrFailingIsClosedWithOneMessage) {
  AddReceiver();
  ports.AddPort("COM5");
  ports.Hold("COM5", true);
  WriteIni("[Cat]\nEnabled=1\nPort=COM5\n");
  TForm1& form = Start();
  MenuItem& item = form.Remote1->Item(1);
  EXPECT_THAT(BoxTexts(), ElementsAre("Kenwood CAT cannot open COM5.\rVorn runs without it."));
  EXPECT_FALSE(item.Checked());

  ports.Hold("COM5", false);
  Choose({"Remote", "Kenwood CAT on COM5"});
  EXPECT_TRUE(item.Checked());
  ports.RemovePort("COM5");
  ports.Tick();
  ports.Tick();
  EXPECT_THAT(BoxTexts(), ElementsAre("Kenwood CAT cannot open COM5.\rVorn runs without it.",
                                      "Kenwood CAT on COM5 has stopped: the port failed."));
  EXPECT_FALSE(item.Checked());
  EXPECT_EQ(std::string(shell.Shown().at(0).Tip.data()), "Vorn");
  EXPECT_EQ(hidden.LiveWindows().size(), 2u);  // the hotkey manager's and the tray's

  // Back again, the item opens it; off unless the settings say otherwise.
  ports.AddPort("COM5");
  Choose({"Remote", "Kenwood CAT on COM5"});
  EXPECT_TRUE(ports.IsOpen("COM5"));
  Choose({"Remote", "Kenwood CAT on COM5"});
  EXPECT_FALSE(ports.IsOpen("COM5"));
  Choose({"Close"});
  const std::string ini = dir.Read("Vorn.ini");
  EXPECT_NE(ini.find("Enabled=0"), std::string::npos) << ini;
  EXPECT_NE(ini.find("Port=COM5"), std::string::npos) << ini;
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

constexpr const char* kWaitingTip = "Vorn - waiting for the receiver program";
constexpr const char* kStartupLink = "C:\\Users\\op\\Startup\\Vorn.lnk";

// A start before the receiver program, and the shortcut that makes one.
class StartWithWindowsTest : public MainFormTest {
 protected:
  std::string Tip() const { return shell.Shown().at(0).Tip.data(); }
  SimPopupMenu& TrayMenu() { return AsSim(*program->Form1()->PopupMenu1); }
  void ChooseInTrayMenu(const std::string& caption) {
    TrayMenu().ChooseOnNextPopup(caption);
    hidden.Deliver(program->Form1()->LumoTray1->Handle(), 1025, 0, 517);
  }
  // The start folder as a shortcut names it.
  std::string WorkingFolder() const { return dir.Dir().substr(0, dir.Dir().size() - 1); }
};

TEST_F(StartWithWindowsTest, WithoutTheReceiverTheStartWaitsInTheTrayAndLinksUpWhenItAppears) {
  WriteIni("[Start]\nWaitForReceiver=1\n[Remote]\nEnabled=1\nPort=4600\n");
  TForm1& form = Start();
  EXPECT_THAT(kit.Boxes(), IsEmpty());
  EXPECT_FALSE(kit.SimApp().Terminated());
  EXPECT_FALSE(form.Window().Visible());
  EXPECT_TRUE(form.WaitingForReceiver());
  EXPECT_EQ(Tip(), std::string(kWaitingTip) + " - :4600");
  ASSERT_EQ(timers.Intervals().size(), 1u);
  EXPECT_GE(timers.Intervals()[0].count(), 1000);
  EXPECT_LE(timers.Intervals()[0].count(), 2000);
  timers.Tick();
  EXPECT_TRUE(form.WaitingForReceiver());

  // A tuning while waiting presses nothing and says why, from any source.
  form.Show1Click();
  Edit1().Type("7100\r");
  EXPECT_THAT(BoxTexts(), ElementsAre("The receiver program is not running."));
  ReceiverRig rig(form.Receiver());
  EXPECT_EQ(rig.KeyInHz(7'100'000), RemoteOutcome::NotReached);
  const RadioMode usb{"USB"};
  EXPECT_EQ(rig.Select(&usb, nullptr), RemoteOutcome::NotReached);
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());

  // Everything else works: the hotkey, the lists.
  form.Window().Hide();
  hotkeys.Press(0, 109);
  EXPECT_TRUE(form.Window().Visible());

  // The receiver program comes: the next search links up and stops the timer.
  AddReceiver();
  timers.Tick();
  EXPECT_FALSE(form.WaitingForReceiver());
  EXPECT_EQ(timers.Running(), 0u);
  EXPECT_EQ(Tip(), "Vorn - :4600");
  kit.ClearBoxes();
  Edit1().SetText("7100");
  Edit1().Type('\r');
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7", "1", "0", "0", "kHz"));
  EXPECT_THAT(kit.Boxes(), IsEmpty());
}

TEST_F(StartWithWindowsTest, ATuningWhileWaitingFindsTheReceiverThatCameMeanwhile) {
  WriteIni("[Start]\nWaitForReceiver=1\n[Perseus]\nVersion=V2.2\n");
  TForm1& form = Start();
  EXPECT_EQ(Tip(), kWaitingTip);
  AddReceiver("Frequency (kHz)", "Ok");
  form.Show1Click();
  Edit1().Type("7100\r");
  EXPECT_THAT(desktop.Clicks(), ElementsAre("7", "1", "0", "0", "Ok"));
  EXPECT_FALSE(form.WaitingForReceiver());
  EXPECT_EQ(Tip(), "Vorn");
  // With 0 the start ends as ever.
  program.reset();
  instance = SimSingleInstance();
  desktop.Destroy(receiver_main);
  WriteIni("[Start]\nWaitForReceiver=0\n");
  Start();
  EXPECT_THAT(BoxTexts(), ElementsAre("Perseus not found, \rPerseus-Program started?"));
  EXPECT_TRUE(kit.SimApp().Terminated());
}

TEST_F(StartWithWindowsTest, TheTrayItemMakesAndRemovesTheShortcutToThisCopyAndSetsTheWait) {
  AddReceiver();
  WriteIni("[Perseus]\nVersion=V2.1f\n");
  TForm1& form = Start();
  EXPECT_THAT(TrayMenu().Layout(), ElementsAre("Show", "Hide", "Close", "-", "Start with Windows"));
  EXPECT_FALSE(form.StartWithWindows1->Checked());

  ChooseInTrayMenu("Start with Windows");
  ASSERT_EQ(links.Links().size(), 1u);
  EXPECT_EQ(links.Links().at(kStartupLink), (ShellLink{kProgramPath, WorkingFolder()}));
  EXPECT_TRUE(form.StartWithWindows1->Checked());
  EXPECT_THAT(dir.Read("Vorn.ini"), HasSubstr("[Start]\r\nWaitForReceiver=1"));

  ChooseInTrayMenu("Start with Windows");
  EXPECT_THAT(links.Links(), IsEmpty());
  EXPECT_FALSE(form.StartWithWindows1->Checked());
  EXPECT_THAT(dir.Read("Vorn.ini"), HasSubstr("[Start]\r\nWaitForReceiver=0"));

  // The same name spelt otherwise is still this copy.
  links.Write(kStartupLink, {"c:\\vorn\\VORN.EXE", dir.Dir()});
  program.reset();
  instance = SimSingleInstance();
  EXPECT_TRUE(Start().StartWithWindows1->Checked());
}

TEST_F(StartWithWindowsTest, AnotherCopysShortcutIsLeftAloneAndShowsUnchecked) {
  AddReceiver();
  const ShellLink other{"D:\\Radio\\Vorn.exe", "D:\\Radio"};
  links.Write(kStartupLink, other);
  TForm1& form = Start();
  EXPECT_FALSE(form.StartWithWindows1->Checked());

  ChooseInTrayMenu("Start with Windows");
  EXPECT_TRUE(form.StartWithWindows1->Checked());
  EXPECT_EQ(links.Links().at(kStartupLink), other);
  EXPECT_EQ(links.Links().at("C:\\Users\\op\\Startup\\Vorn (2).lnk"),
            (ShellLink{kProgramPath, WorkingFolder()}));
  ChooseInTrayMenu("Start with Windows");
  ASSERT_EQ(links.Links().size(), 1u);
  EXPECT_EQ(links.Links().at(kStartupLink), other);

  // A folder the user may not change: said so, and the item shows what is there.
  links.SetReadOnly(true);
  kit.ClearBoxes();
  ChooseInTrayMenu("Start with Windows");
  EXPECT_THAT(BoxTexts(), ElementsAre("Vorn could not put its shortcut into the Startup folder."));
  EXPECT_FALSE(form.StartWithWindows1->Checked());
}

// What an operator ran into in a first session with the program.
using OperatorFindingsTest = MainFormTest;

TEST_F(OperatorFindingsTest, LoadListAfterAnImportAsksAboutTheRowsNoFileHolds) {
  AddReceiver();
  TForm1& form = Start();
  form.LV->Append({"6070", "12 kHz", "AM", "Radio One"});  // as an import leaves them
  kit.ClearBoxes();
  dir.Write("list.txt", kBeacon);

  kit.AnswerNextQuestion(Answer::Cancel);
  form.OpenList1Click();
  EXPECT_THAT(BoxTexts(), ElementsAre("Stationlist has changed, save?"));
  EXPECT_THAT(kit.FileDialogsShown(), IsEmpty());
  EXPECT_EQ(form.LV->Count(), 1u);

  // Yes saves them where the operator says, then loads.
  kit.AnswerNextQuestion(Answer::Yes);
  kit.PickNextFile(dir.Path("kept.txt"));
  kit.PickNextFile(dir.Path("list.txt"));
  form.OpenList1Click();
  EXPECT_EQ(dir.Read("kept.txt"), kRadioOne);
  EXPECT_EQ(form.LV->Row(0).Name, "Beacon");
}

TEST_F(OperatorFindingsTest, NextAndPreviousRefuseTypingKeysAndWaitPastModifiers) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne + kBeacon);
  WriteIni("[StationLists]\nDefault=list.txt\n[Hotkey]\nKey=109\n");
  TForm1& form = Start();
  form.Show1Click();
  kit.ClearBoxes();

  for (VirtualKey typing : {VirtualKey{'A'}, VirtualKey{'7'}, VirtualKey{32}, VirtualKey{13},
                            VirtualKey{9}, VirtualKey{8}, VirtualKey{0xBC}}) {
    Choose({"Hotkey", "Change Next"});
    Edit1().PressKey(typing);
    EXPECT_EQ(form.NextHotKey().Current(), 0u) << typing;
    EXPECT_THAT(BoxTexts().back(), HasSubstr(" types text.")) << typing;
    EXPECT_TRUE(form.LV->Visible());
  }

  // Ctrl, then Shift, then F11: the modifiers are passed over, F11 is taken.
  Choose({"Hotkey", "Change Previous"});
  Edit1().PressKey(17, {false, true, false});
  Edit1().PressKey(16, {true, true, false});
  EXPECT_TRUE(form.Label1->Visible());
  Edit1().PressKey(122, {true, true, false});
  EXPECT_EQ(form.PreviousHotKey().Current(), 122u);
  EXPECT_FALSE(form.Label1->Visible());

  // The main hotkey's capture takes what it took before.
  Choose({"Hotkey", "Change"});
  Edit1().PressKey(16);
  EXPECT_EQ(form.CurrentHotKey(), 16u);
}

TEST_F(OperatorFindingsTest, VornsOwnHotkeysPressedWhileCapturingAreRefusedNotFired) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne + kBeacon);
  WriteIni("[StationLists]\nDefault=list.txt\n[Hotkey]\nKey=109\nPrevious=120\n");
  TForm1& form = Start();
  form.Show1Click();
  kit.ClearBoxes();

  Choose({"Hotkey", "Change Next"});
  hotkeys.Press(0, 109);
  Choose({"Hotkey", "Change Next"});
  hotkeys.Press(0, 120);
  EXPECT_THAT(BoxTexts(), ElementsAre("Num - is already Vorn's hotkey.",
                                      "F9 is already Vorn's Previous hotkey."));
  EXPECT_TRUE(form.Window().Visible());
  EXPECT_THAT(desktop.SentMessages(), IsEmpty());
  EXPECT_EQ(form.NextHotKey().Current(), 0u);
  // Once the capture is over they do what they do.
  hotkeys.Press(0, 120);
  EXPECT_THAT(desktop.Clicks(), ElementsAre("1", "4", "1", "0", "0", "kHz", "CW", "1.6kHz"));
}

TEST_F(OperatorFindingsTest, TheTrayTipDropsTheSteppedStationAtAnyOtherTuning) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne + kBeacon);
  WriteIni("[StationLists]\nDefault=list.txt\n[Hotkey]\nKey=109\nNext=120\n");
  TForm1& form = Start();
  const auto tip = [this] { return std::string(shell.Shown().at(0).Tip.data()); };
  hotkeys.Press(0, 120);
  EXPECT_EQ(tip(), "Vorn - 6070 Radio One");
  form.Show1Click();
  Edit1().Type("7100\r");
  EXPECT_EQ(tip(), "Vorn");

  hotkeys.Press(0, 120);
  EXPECT_EQ(tip(), "Vorn - 14100 Beacon");
  LV().ClickRow(0);
  EXPECT_EQ(tip(), "Vorn");

  hotkeys.Press(0, 120);
  ReceiverRig(form.Receiver()).KeyInHz(9'400'000);
  EXPECT_EQ(tip(), "Vorn");
}

TEST_F(OperatorFindingsTest, TheFindBoxStandsOffTheRowsBelowTheWindowOrAboveIt) {
  AddReceiver();
  TForm1& form = Start();
  form.Show1Click();
  form.Find1Click();
  const Rect main = form.Window().Bounds();
  const Rect box = form.FindBox->Window().Bounds();
  EXPECT_EQ(box.Top, main.Top + main.Height);
  EXPECT_EQ(box.Left + box.Width, main.Left + main.Width);

  form.FindBox->Hide();
  // The screen (984 high) ends below the window.
  form.Window().SetBounds({100, 984 - main.Height, main.Width, main.Height});
  form.Find1Click();
  EXPECT_EQ(form.FindBox->Window().Bounds().Top + box.Height, 984 - main.Height);
}

TEST_F(OperatorFindingsTest, TheSaveThatKeepsAPartLoadedFileSaysSo) {
  AddReceiver();
  dir.Write("list.txt", kRadioOne + "7100;12;AM\r\n" + kBeacon);
  WriteIni("[StationLists]\nDefault=list.txt\n");
  TForm1& form = Start();
  kit.ClearBoxes();
  kit.PickNextFile(dir.Path("list.txt"));
  form.SaveList1Click();
  EXPECT_THAT(BoxTexts(), ElementsAre("Saved. list.txt.bak keeps the whole file as it was,\r"
                                      "with the lines after the broken one."));
  kit.ClearBoxes();
  kit.PickNextFile(dir.Path("list.txt"));
  form.SaveList1Click();
  EXPECT_THAT(kit.Boxes(), IsEmpty());
}

}  // namespace
}  // namespace vorn
