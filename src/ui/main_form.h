#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "components/hot_key_manager.h"
#include "components/lumo_tray_icon.h"
#include "platform/alert.h"
#include "platform/code_page.h"
#include "platform/component.h"
#include "platform/file_system.h"
#include "platform/interval_timer.h"
#include "platform/locale.h"
#include "platform/shell_links.h"
#include "platform/toolkit.h"
#include "platform/window_tree.h"
#include "receiver/get_handles.h"
#include "stations/station_list.h"
#include "ui/find_box.h"
#include "ui/form_settings.h"
#include "ui/frequency_entry.h"
#include "ui/operator_hotkey.h"
#include "ui/remote_switch.h"

namespace vorn {

class TListInput;

// A path's file name, without the directory.
std::string BareName(const std::string& path);

// What the main window works through; everything outlives the window.
struct MainFormServices {
  Toolkit& Kit;
  WindowTree& Desktop;          // where the receiver program's windows are
  SettingsStore& SettingsFile;  // Vorn.ini
  FileSystem& Files;
  Locale& Region;
  Alert& Alerts;
  HotKeyServices HotKeys;
  NotifyIconShell& Shell;
  std::string WorkingDir;  // the current directory at start
  char PathDelimiter;
  CodePage& Ansi;  // the system's code page, for other programs' UTF-8 files
  IntervalTimers& Timers;
  ShellLinks& Links;        // the shortcut in the user's Startup folder
  std::string ProgramPath;  // this Vorn.exe, as a shortcut names it
  // Seconds since 1970 in UTC, for the stations on air now.
  std::function<std::int64_t()> UtcSeconds = [] {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
  };
};

// Vorn's main window: the frequency field, the station list, the two check
// boxes, the menus, and the components it owns (hotkey manager, tray icon).
class TForm1 : public TComponent {
 public:
  // Builds the window and runs FormCreate. When the receiver program is not
  // found, the application is told to end and the window is never shown.
  explicit TForm1(MainFormServices services);
  ~TForm1() override;

  Form& Window() { return *form_; }
  // The entry dialog, created after the main window and reused.
  void SetListInput(TListInput* dialog) { ListInput = dialog; }

  // Start and close.
  void FormCreate();
  bool FormCloseQuery();
  // The session is ending: the same questions, but settings that cannot be
  // written do not object.
  bool FormQueryEndSession();

  // Window commands.
  void Show1Click();
  void Hide1Click();
  void Hide2Click();
  void Close1Click();
  void Info1Click();
  // The tray menu's "Start with Windows": a shortcut to this copy of Vorn in
  // the user's Startup folder, and the settings' start that waits for the
  // receiver program.
  void StartWithWindows1Click();
  // Checked while the Startup folder holds a shortcut to this Vorn.exe that
  // starts it in StartDir.
  bool StartsWithWindows();
  // Started without the receiver program, Vorn looks for it on a timer.
  bool WaitingForReceiver() const { return wait_timer_ != nullptr; }

  // Remote control: the "Remote" menu has an item for each endpoint, checked
  // while it runs, that starts and stops it. The program hands over each
  // endpoint once the window stands, and whether the settings start it.
  void AttachRemote(RemoteSwitch& remote, bool start);
  void RemoteItemClick(std::size_t index);
  // After the last endpoint: a separator, then the item that chooses the port
  // of each endpoint that has one.
  void FinishRemoteMenu();
  // Asks for the endpoint's port and opens the one chosen.
  void RemotePortClick(std::size_t index);

  // Frequency entry.
  void Edit1KeyPress(char& key);

  // Station list commands.
  void OpenList1Click();
  void SaveList1Click();
  void ImportList1Click();
  void Edit1DblClick();
  void DeleteEntry1Click();
  void EditEntry1Click();
  void CBSortedClick();
  void LVClick();
  void LVKeyDown(VirtualKey key);
  void LVKeyUp(VirtualKey key);
  void Find1Click();
  void FormKeyDown(VirtualKey& key, ShiftState shift);

  // Hotkey interaction.
  void HKMHotKeyPressed(std::uint32_t HotKey, std::uint16_t Index);
  void Change1Click();
  void ChangeNext1Click();
  void ChangePrevious1Click();
  void Edit1KeyDown(VirtualKey& key, ShiftState shift);
  void Show2Click();

  // The station a hotkey stepped to, as the tray icon's tip shows it beside
  // the title and the running endpoints (see TrayTipText); empty clears it.
  // Any other tuning clears it.
  void SetTrayStation(const std::string& station);

  // State of the run, for the commands and for tests.
  const std::string& StartDir() const { return start_dir_; }
  const std::string& ListName() const { return list_name_; }
  std::uint32_t CurrentHotKey() const { return hotkey_.Current(); }
  std::uint32_t SavedHotKey() const { return hotkey_.Saved(); }
  std::uint16_t HotKeyIndex() const { return hotkey_.Index(); }
  const OperatorHotKey& NextHotKey() const { return next_hotkey_; }
  const OperatorHotKey& PreviousHotKey() const { return previous_hotkey_; }
  const std::string& PanelTitle() const { return panel_title_; }
  const std::string& PanelTerminator() const { return panel_terminator_; }
  ReceiverLink& Receiver() { return link_; }
  StationList& Stations() { return *stations_; }
  THotKeyManager& HotKeys() { return *HKM; }

  // The controls, named as designed.
  Panel* Panel2 = nullptr;
  Edit* Edit1 = nullptr;
  CheckBox* CBAutoHide = nullptr;
  ListView* LV = nullptr;
  Panel* Panel1 = nullptr;
  CheckBox* CBSorted = nullptr;
  Edit* EdtSLFilename = nullptr;
  Label* Label1 = nullptr;
  Label* Label2 = nullptr;
  MenuItem* Remote1 = nullptr;
  MenuItem* StartWithWindows1 = nullptr;
  PopupMenu* PopupMenu1 = nullptr;
  PopupMenu* PopupMenu2 = nullptr;
  std::unique_ptr<FileDialog> SD;
  std::unique_ptr<FileDialog> OD;
  std::unique_ptr<FileDialog> ImportOD;
  std::unique_ptr<TFindBox> FindBox;
  TLumoTray* LumoTray1 = nullptr;
  THotKeyManager* HKM = nullptr;
  TListInput* ListInput = nullptr;

 private:
  void BuildWindow();
  void BuildMenus();
  void LoadDefaultList();
  // Asks to save a changed list before its rows are replaced; false when the
  // operator cancelled.
  bool AskToSaveOldList();
  bool CloseQuery(bool session_ending);
  // Replaces the rows by the file's, drawing the view once rather than per row.
  void LoadListFile(const std::string& path);
  void FrequencyEntryMode();
  // Edit1 takes the next key pressed in it for `capturing`.
  void StartCapture(OperatorHotKey& capturing);
  void HotKeyCaptureMode(OperatorHotKey& capturing);
  // Ends the capture with `key` (Esc aborts): taken, or refused with a message.
  void EndCapture(std::uint32_t key);
  // Why the capture does not take `key`; empty when it does.
  std::string CaptureRefusal(std::uint32_t key) const;
  // The operator's hotkey other than `capturing` that has the value `key`, if any.
  const OperatorHotKey* HotKeyWithValue(std::uint32_t key, const OperatorHotKey& capturing) const;
  // The entry dialog with its fields filled, placed over the list; the row as
  // entered, or nothing unless it closed with OK.
  std::optional<StationRow> AskForEntry(const std::string& caption, const StationRow& fields);
  // The next row after the selected one, or the one before it, wrapping
  // round: selected, shown and tuned, while the window stays as it is.
  void StepStation(bool forward);
  void TuneToSelected();
  // Hides the window, and the find box with it.
  void HideForm();
  // A tuning did not reach the receiver program.
  void ReceiverFailed();
  // Every tuning, from any source, reached or not.
  void TuningDone();
  // No receiver program at start: the tray tip says so and a timer runs
  // both searches until they find it.
  void WaitForReceiver();
  void StopWaiting();
  // The shortcut files in the Startup folder that may be this copy's.
  std::vector<std::string> StartupLinkPaths();
  bool IsThisCopy(const ShellLink& link) const;
  // Saves the rows and says so when the save kept a part-loaded file as .bak.
  void SaveRows(const std::string& path);
  struct RemoteItem {
    RemoteSwitch* Switch;
    MenuItem* Item;
    // The operator switched it through the menu: the close keeps it.
    bool Switched = false;
    // The operator chose its port through the menu: the close keeps that too.
    bool PortChosen = false;
  };
  // Starts the endpoint and shows so in the menu and the tray tip, or says why not.
  bool StartRemote(RemoteItem& remote);
  // It stopped by itself: unchecked, and the operator told once.
  void RemoteFailed(std::size_t index, const std::string& message);
  void UpdateTrayTip();
  // Saves the rows to the current list's file, or asks for one when there is none.
  bool SaveCurrentList();
  Application& App() { return services_.Kit.App(); }
  // A box or dialog of this program is open and waits for its answer: the
  // tray and the hotkey must not start another close, load, save or dialog
  // inside it.
  bool Waiting() { return App().InModal(); }

  MainFormServices services_;
  std::unique_ptr<Form> form_;
  ReceiverLink link_;
  std::unique_ptr<StationList> stations_;
  std::unique_ptr<FrequencyEntry> entry_;

  std::string start_dir_;
  std::string list_name_;
  // The file behind ListName; a list loaded from another folder is saved back there.
  std::string list_path_;
  OperatorHotKey hotkey_{kDefaultHotKey, 0};
  OperatorHotKey next_hotkey_;
  OperatorHotKey previous_hotkey_;
  // The hotkey that a capture in Edit1 changes.
  OperatorHotKey* capturing_ = &hotkey_;
  // Edit1 takes the next key for `capturing_`.
  bool capture_active_ = false;
  std::unique_ptr<IntervalTimer> wait_timer_;
  std::string version_;
  std::string panel_title_;
  std::string panel_terminator_;
  std::string tray_station_;
  std::vector<RemoteItem> remote_;
};

}  // namespace vorn
