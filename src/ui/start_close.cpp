// The main window's start and close: settings, default station list, hotkey
// and receiver search on the way up; the questions and the settings on the
// way out.
#include "platform/framework_error.h"
#include "platform/start_trace.h"
#include "receiver/control_actions.h"
#include "receiver/keypad_captions.h"
#include "ui/main_form.h"
#include "ui/on_screen.h"

namespace vorn {

namespace {
constexpr const char* kSettingsNotSavedQuestion = "Settings could not be saved. Close anyway?";
}  // namespace

void TForm1::FormCreate() {
  start_dir_ = services_.WorkingDir;
  if (start_dir_.empty() || start_dir_.back() != services_.PathDelimiter)
    start_dir_ += services_.PathDelimiter;
  OD->SetInitialDir(start_dir_);
  ImportOD->SetInitialDir(start_dir_);
  SD->SetInitialDir(start_dir_);
  stations_ = std::make_unique<StationList>(*LV, services_.Files, start_dir_);

  const Settings settings = services_.SettingsFile.Read(start_dir_);
  if (!settings.FileFound) {
    App().ShowMessage(kSettingsMissingMessage);
  } else {
    const WindowPlacement& p = settings.Placement;
    form_->SetBounds(KeepOnScreen({p.Left, p.Top, p.Width, p.Height}, App().MonitorWorkAreas()));
    CBAutoHide->SetChecked(settings.AutoHide);
  }
  hotkey_ = OperatorHotKey(settings.HotKey, settings.SavedHotKey);
  next_hotkey_ = OperatorHotKey(settings.NextHotKey, settings.NextHotKey);
  previous_hotkey_ = OperatorHotKey(settings.PreviousHotKey, settings.PreviousHotKey);
  version_ = settings.Version;
  list_name_ = settings.ListName;
  list_path_ = list_name_.empty() ? std::string() : start_dir_ + list_name_;

  StartTrace("settings");
  EdtSLFilename->SetText(list_name_);
  LoadDefaultList();
  StartTrace("station list");

  entry_ = std::make_unique<FrequencyEntry>(
      services_.Region,
      FrequencyEntryHost{[this] { return Edit1->Text(); },
                         [this](const std::string& text) { return KeyInFrequency(link_, text); },
                         [this] {
                           services_.Alerts.Beep();
                           services_.Alerts.FlashCaption(form_->Handle());
                         },
                         [this] { ReceiverFailed(); }, [this] { return CBAutoHide->Checked(); },
                         [this] { HideForm(); }, [this] { Edit1->SelectAll(); }});

  const KeypadCaptions keypad = KeypadCaptionsFor(version_);
  panel_title_ = keypad.PanelTitle;
  panel_terminator_ = keypad.PanelTerminator;

  hotkey_.Register(*HKM);
  // 0: none.
  if (next_hotkey_.Current() != 0) next_hotkey_.Register(*HKM);
  if (previous_hotkey_.Current() != 0) previous_hotkey_.Register(*HKM);
  StartTrace("hotkey");

  Label1->SetVisible(false);
  Label2->SetVisible(false);

  // Without the receiver program there is nothing to do: end before the
  // window is ever shown, and leave the settings file alone.
  std::string status = link_.FindMainControl("Perseus", "Dither");
  if (status == kStatusOk)
    status = link_.FindKeypadControl(panel_title_, panel_terminator_, version_);
  StartTrace("receiver search");
  if (status != kStatusOk && !settings.WaitForReceiver) {
    App().ShowMessage(status);
    App().Terminate();
    return;
  }
  if (status != kStatusOk) {
    // Started before the receiver program (at logon): the keypad search
    // learns what it looks for, and both run again until they find it.
    link_.FindKeypadControl(panel_title_, panel_terminator_, version_);
    WaitForReceiver();
  }
  StartWithWindows1->SetChecked(StartsWithWindows());

  FrequencyEntryMode();
  Edit1->SetText("");
  // Started hidden, Vorn is reached by its hotkey or its tray icon; with
  // neither, it shows itself.
  if (hotkey_.Index() == 0 && !LumoTray1->InTray()) App().SetShowMainForm(true);
}

void TForm1::LoadDefaultList() {
  if (list_name_.empty()) return;
  if (!services_.Files.FileExists(list_path_)) {
    App().ShowMessage("Stationlist: " + list_name_ + " not found.\rCheck IniFile.");
    return;
  }
  // A broken list is reported and the start goes on with the rows read so far.
  try {
    LoadListFile(list_path_);
  } catch (const FrameworkError& error) {
    App().HandleException(error);
  }
}

bool TForm1::FormCloseQuery() {
  return CloseQuery(false);
}

bool TForm1::FormQueryEndSession() {
  return CloseQuery(true);
}

bool TForm1::CloseQuery(bool session_ending) {
  // The questions of a close, load or save are open: that one goes first.
  if (Waiting()) return false;
  bool keep_hotkey = false;
  if (hotkey_.Saved() == 0) {
    keep_hotkey = true;
  } else if (hotkey_.Changed()) {
    const Answer answer = App().Ask("Hotkey has changed, save?");
    if (answer == Answer::Cancel) return false;
    keep_hotkey = answer == Answer::Yes;
  }

  if (!stations_->ListUnchanged()) {
    const Answer answer = App().Ask("Stationlist has changed, save?");
    if (answer == Answer::Cancel) return false;
    if (answer == Answer::Yes && !SaveCurrentList()) return false;
  }

  const Rect bounds = form_->Bounds();
  // Next and Previous are written only once the operator changed them.
  const auto changed = [](const OperatorHotKey& key) {
    return key.Changed() ? std::optional(key.Current()) : std::nullopt;
  };
  std::vector<std::pair<std::string, bool>> endpoints;
  std::vector<std::pair<std::string, std::string>> ports;
  for (const RemoteItem& remote : remote_) {
    if (remote.Switched) endpoints.emplace_back(remote.Switch->Section(), remote.Item->Checked());
    if (remote.PortChosen) ports.emplace_back(remote.Switch->Section(), remote.Switch->Port());
  }
  try {
    services_.SettingsFile.Write(start_dir_,
                                 {hotkey_.Current(),
                                  version_,
                                  {bounds.Left, bounds.Top, bounds.Width, bounds.Height},
                                  CBAutoHide->Checked(),
                                  changed(next_hotkey_),
                                  changed(previous_hotkey_),
                                  endpoints,
                                  ports},
                                 keep_hotkey);
  } catch (const ProfileWriteError& error) {
    // Settings that cannot be written must neither hold up the end of the
    // session nor keep the operator from ever closing.
    if (session_ending) return true;
    App().HandleException(error);
    return App().Ask(kSettingsNotSavedQuestion) == Answer::Yes;
  }
  return true;
}

bool TForm1::SaveCurrentList() {
  std::string path = list_path_;
  // No current list: ask where the rows should go rather than lose them.
  if (path.empty()) path = SD->Execute();
  if (path.empty()) return false;
  SaveRows(path);
  return true;
}

void TForm1::SaveRows(const std::string& path) {
  const std::string backup = stations_->SaveStationList(path);
  if (!backup.empty())
    App().ShowMessage("Saved. " + BareName(backup) +
                      " keeps the whole file as it was,\rwith the lines after the broken one.");
}

}  // namespace vorn
