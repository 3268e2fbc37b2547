#include "ui/main_form.h"

#include "platform/start_trace.h"
#include "ui/port_dialog.h"
#include "ui/tray_tip.h"

namespace vorn {

namespace {

constexpr const char* kAboutText =
    "Vorn - the quick tuning companion\r"
    "for Perseus-Receiver\r"
    "\r"
    "Version 2.1  08 August 2009\r"
    "\r"
    "Written by the Vorn developers\r"
    "Questions and reports: the Vorn issue tracker";

const FileDialogOptions kListDialogs{"Stationlists|*.txt|All files|*.*", "txt"};
const FileDialogOptions kImportDialog{"Schedules and lists (*.csv;*.txt)|*.csv;*.txt|All files|*.*",
                                      ""};
constexpr const char* kFindItem = "Find\x85";  // "Find…" in the ANSI code page
constexpr VirtualKey kKeyF = 'F';
constexpr const char* kWaitingTip = "waiting for the receiver program";
// How often a start without the receiver program looks for it again.
constexpr std::chrono::milliseconds kReceiverSearchInterval{1500};
constexpr int kStartupLinkNames = 9;

// Paths as Windows compares them: letters in any case, a trailing delimiter
// or none.
bool SamePath(std::string a, std::string b) {
  const auto simple = [](std::string& path) {
    while (path.size() > 1 && (path.back() == '\\' || path.back() == '/')) path.pop_back();
    for (char& c : path)
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  };
  simple(a);
  simple(b);
  return !a.empty() && a == b;
}

}  // namespace

TForm1::TForm1(MainFormServices services)
    : TComponent(nullptr), services_(std::move(services)), link_(services_.Desktop) {
  link_.OnTuning = [this] { TuningDone(); };
  BuildWindow();
  StartTrace("window");
  BuildMenus();
  StartTrace("menus");
  LumoTray1 = &TComponent::Create<TLumoTray>(
      *this, TrayServices{App(), services_.HotKeys.Windows, services_.Shell});
  LumoTray1->PopupMenu = PopupMenu1;
  StartTrace("tray icon");
  HKM = &TComponent::Create<THotKeyManager>(*this, services_.HotKeys);
  HKM->OnHotKeyPressed = [this](std::uint32_t key, std::uint16_t index) {
    HKMHotKeyPressed(key, index);
  };
  StartTrace("hotkey manager");
  FormCreate();
}

TForm1::~TForm1() {
  // The find box's window is owned by the form's: it goes first.
  FindBox.reset();
}

void TForm1::BuildWindow() {
  form_ = services_.Kit.CreateForm();
  form_->SetCaption("Perseus-Vorn");
  form_->SetDesignedBounds({248, 110, 309, 515});

  Panel2 = &form_->AddPanel(Dock::Top, 41);
  Edit1 = &Panel2->AddEdit({8, 9, 153, 24});
  Edit1->SetBoldFont(-13);
  Edit1->OnDblClick = [this] { Edit1DblClick(); };
  CBAutoHide = &Panel2->AddCheckBox({200, 14, 80, 17}, "AutoHide");

  Panel1 = &form_->AddPanel(Dock::Bottom, 45);
  CBSorted = &Panel1->AddCheckBox({8, 16, 97, 17}, "Sort List");
  CBSorted->OnClick = [this] { CBSortedClick(); };
  EdtSLFilename = &Panel1->AddLabeledEdit({120, 18, 177, 21}, "Station list:");
  EdtSLFilename->SetReadOnly(true);

  LV = &form_->AddListView({{"Frequency", 80}, {"Bandw.", 50}, {"Demod", 50}, {"Station", 250}});
  LV->OnClick = [this] { LVClick(); };
  LV->OnKeyDown = [this](VirtualKey key) { LVKeyDown(key); };
  LV->OnKeyUp = [this](VirtualKey key) { LVKeyUp(key); };

  Label1 = &form_->AddLabel({11, 80}, "Hit key to set as new");
  Label1->SetBoldFont(-13);
  Label2 = &form_->AddLabel({11, 104}, "Hotkey (ESC: Abort)");
  Label2->SetBoldFont(-13);

  OD = services_.Kit.CreateFileDialog(FileDialogKind::Open, kListDialogs);
  SD = services_.Kit.CreateFileDialog(FileDialogKind::Save, kListDialogs);
  ImportOD = services_.Kit.CreateFileDialog(FileDialogKind::Open, kImportDialog);

  form_->OnCloseQuery = [this] { return FormCloseQuery(); };
  form_->OnQueryEndSession = [this] { return FormQueryEndSession(); };
  form_->OnSettingChange = [this] {
    if (entry_) entry_->SettingsChanged();
  };
  form_->OnKeyDown = [this](VirtualKey& key, ShiftState shift) { FormKeyDown(key, shift); };
}

void TForm1::BuildMenus() {
  MenuItems& menu = form_->Menu();
  MenuItem& stations = menu.AddSubmenu("Stations");
  stations.Add("Load List", [this] { OpenList1Click(); });
  stations.Add("Save List", [this] { SaveList1Click(); });
  stations.Add("Import List", [this] { ImportList1Click(); });
  MenuItem& hotkey = menu.AddSubmenu("Hotkey");
  hotkey.Add("Show", [this] { Show2Click(); });
  hotkey.Add("Change", [this] { Change1Click(); });
  hotkey.Add("Change Next", [this] { ChangeNext1Click(); });
  hotkey.Add("Change Previous", [this] { ChangePrevious1Click(); });
  menu.Add("Hide", [this] { Hide2Click(); });
  menu.Add("Close", [this] { Close1Click(); });
  menu.Add("Info", [this] { Info1Click(); });
  Remote1 = &menu.AddSubmenu("Remote");

  PopupMenu1 = &form_->AddPopupMenu();
  PopupMenu1->Add("Show", [this] { Show1Click(); });
  PopupMenu1->Add("Hide", [this] { Hide1Click(); });
  PopupMenu1->Add("Close", [this] { Close1Click(); });
  PopupMenu1->AddSeparator();
  StartWithWindows1 = &PopupMenu1->Add("Start with Windows", [this] { StartWithWindows1Click(); });

  PopupMenu2 = &form_->AddPopupMenu();
  PopupMenu2->Add("New Entry", [this] { Edit1DblClick(); });
  PopupMenu2->Add("Delete Entry", [this] { DeleteEntry1Click(); });
  PopupMenu2->Add("Edit Entry", [this] { EditEntry1Click(); });
  PopupMenu2->Add(kFindItem, [this] { Find1Click(); });
  LV->SetPopupMenu(PopupMenu2);
}

void TForm1::Show1Click() {
  form_->Show();
  form_->BringToFront();
  // An open box keeps the focus: it waits for its answer.
  if (Waiting()) return;
  Edit1->SetFocus();
  Edit1->SelectAll();
}

void TForm1::Hide1Click() {
  if (Waiting()) return;
  HideForm();
}

void TForm1::Hide2Click() {
  HideForm();
}

void TForm1::Close1Click() {
  if (Waiting()) return;
  form_->Close();
}

void TForm1::Info1Click() {
  App().ShowMessage(kAboutText);
}

void TForm1::AttachRemote(RemoteSwitch& remote, bool start) {
  const std::size_t index = remote_.size();
  remote_.push_back(
      {&remote, &Remote1->Add(remote.Caption(), [this, index] { RemoteItemClick(index); })});
  remote.OnFailed([this, index](const std::string& message) { RemoteFailed(index, message); });
  // One without its port waits for the operator to choose it.
  const bool ready = remote.PortItemCaption().empty() || !remote.Port().empty();
  if (start && ready) StartRemote(remote_.back());
}

void TForm1::FinishRemoteMenu() {
  bool separated = false;
  for (std::size_t index = 0; index < remote_.size(); ++index) {
    const std::string caption = remote_[index].Switch->PortItemCaption();
    if (caption.empty()) continue;
    if (!separated) Remote1->AddSeparator();
    separated = true;
    Remote1->Add(caption, [this, index] { RemotePortClick(index); });
  }
}

void TForm1::RemotePortClick(std::size_t index) {
  RemoteItem& remote = remote_.at(index);
  RemoteSwitch& endpoint = *remote.Switch;
  std::string caption = endpoint.PortItemCaption();
  if (caption.ends_with("...")) caption.resize(caption.size() - 3);
  const auto port =
      AskForPort(services_.Kit, *form_, caption, endpoint.PortChoices(), endpoint.Port());
  if (!port) return;
  if (remote.Item->Checked()) {
    endpoint.Stop();
    remote.Item->SetChecked(false);
    UpdateTrayTip();
  }
  endpoint.SetPort(*port);
  remote.Item->SetCaption(endpoint.Caption());
  remote.PortChosen = true;
  remote.Switched = true;
  StartRemote(remote);
}

void TForm1::RemoteFailed(std::size_t index, const std::string& message) {
  remote_.at(index).Item->SetChecked(false);
  UpdateTrayTip();
  App().ShowMessage(message);
}

void TForm1::RemoteItemClick(std::size_t index) {
  RemoteItem& remote = remote_.at(index);
  if (!remote.Item->Checked() && !remote.Switch->PortItemCaption().empty() &&
      remote.Switch->Port().empty()) {
    RemotePortClick(index);
  } else if (remote.Item->Checked()) {
    remote.Switch->Stop();
    remote.Item->SetChecked(false);
    remote.Switched = true;
    UpdateTrayTip();
  } else if (StartRemote(remote)) {
    remote.Switched = true;
  }
}

bool TForm1::StartRemote(RemoteItem& remote) {
  if (!remote.Switch->Start()) {
    App().ShowMessage(remote.Switch->StartFailure());
    return false;
  }
  remote.Item->SetChecked(true);
  UpdateTrayTip();
  return true;
}

void TForm1::SetTrayStation(const std::string& station) {
  tray_station_ = station;
  UpdateTrayTip();
}

void TForm1::UpdateTrayTip() {
  std::string running;
  for (const RemoteItem& remote : remote_) {
    if (!remote.Item->Checked()) continue;
    if (!running.empty()) running += ' ';
    running += remote.Switch->TipName();
  }
  const std::string station = WaitingForReceiver() ? kWaitingTip : tray_station_;
  LumoTray1->SetTip(TrayTipText(App().Title(), station, running));
}

void TForm1::TuningDone() {
  if (WaitingForReceiver() && link_.Linked()) StopWaiting();
  // The station stepped to is named only while it is what was tuned last;
  // a step names it again once its tuning is over.
  if (!tray_station_.empty()) SetTrayStation("");
}

void TForm1::WaitForReceiver() {
  wait_timer_ = services_.Timers.Start(kReceiverSearchInterval, [this] {
    if (link_.Rediscover()) StopWaiting();
  });
  // Without a timer each tuning still looks for the receiver program.
  if (!wait_timer_) return;
  UpdateTrayTip();
}

void TForm1::StopWaiting() {
  wait_timer_.reset();
  UpdateTrayTip();
}

std::vector<std::string> TForm1::StartupLinkPaths() {
  std::vector<std::string> paths;
  const std::string folder = services_.Links.StartupFolder();
  if (folder.empty()) return paths;
  paths.push_back(folder + App().Title() + ".lnk");
  for (int n = 2; n <= kStartupLinkNames; ++n)
    paths.push_back(folder + App().Title() + " (" + std::to_string(n) + ").lnk");
  return paths;
}

bool TForm1::IsThisCopy(const ShellLink& link) const {
  return SamePath(link.Target, services_.ProgramPath) && SamePath(link.WorkingDir, start_dir_);
}

bool TForm1::StartsWithWindows() {
  for (const std::string& path : StartupLinkPaths())
    if (const auto link = services_.Links.Read(path); link && IsThisCopy(*link)) return true;
  return false;
}

void TForm1::StartWithWindows1Click() {
  if (Waiting()) return;
  const bool on = !StartsWithWindows();
  // At logon the receiver program is not running yet: such a start waits.
  services_.SettingsFile.WriteWaitForReceiver(start_dir_, on);
  bool done = false;
  if (on) {
    std::string dir = start_dir_;
    if (dir.size() > 3) dir.pop_back();  // "C:\Vorn", as Explorer writes it
    // A shortcut of another copy of Vorn keeps its name.
    for (const std::string& path : StartupLinkPaths()) {
      if (services_.Links.Read(path)) continue;
      done = services_.Links.Write(path, {services_.ProgramPath, dir});
      break;
    }
  } else {
    done = true;
    for (const std::string& path : StartupLinkPaths())
      if (const auto link = services_.Links.Read(path); link && IsThisCopy(*link))
        done = services_.Links.Remove(path) && done;
  }
  StartWithWindows1->SetChecked(StartsWithWindows());
  if (!done)
    App().ShowMessage(on ? "Vorn could not put its shortcut into the Startup folder."
                         : "Vorn could not remove its shortcut from the Startup folder.");
}

void TForm1::HideForm() {
  if (FindBox) FindBox->Hide();
  form_->Hide();
}

void TForm1::Find1Click() {
  // Made when first asked for, so that the start does not pay for it.
  if (!FindBox) FindBox = std::make_unique<TFindBox>(services_.Kit, *form_, *LV);
  FindBox->Open();
}

void TForm1::FormKeyDown(VirtualKey& key, ShiftState shift) {
  // Not while the list is away for a hotkey capture, which takes any key.
  if (key != kKeyF || !shift.Ctrl || shift.Alt || shift.Shift || !LV->Visible()) return;
  key = 0;
  Find1Click();
}

void TForm1::Edit1KeyPress(char& key) {
  if (entry_) entry_->Edit1KeyPress(key);
}

void TForm1::FrequencyEntryMode() {
  capture_active_ = false;
  Edit1->OnKeyDown = nullptr;
  Edit1->OnKeyPress = [this](char& key) { Edit1KeyPress(key); };
}

void TForm1::HotKeyCaptureMode(OperatorHotKey& capturing) {
  capturing_ = &capturing;
  capture_active_ = true;
  Edit1->OnKeyPress = nullptr;
  Edit1->OnKeyDown = [this](VirtualKey& key, ShiftState shift) { Edit1KeyDown(key, shift); };
}

}  // namespace vorn
