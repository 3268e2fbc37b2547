// Toolkit demo: a window built like Vorn's main window on the Win32 toolkit,
// with an entry dialog, menus, a popup menu and the boxes, for the end-to-end
// test to drive with real input.
//
//   toolkit-demo.exe --log FILE [--sort-check CAPTIONS-FILE] [--dpi-change DPI]
//
// Logs, tab separated and flushed at once: "title TITLE", "style FLAGS" (the
// main window's frame), "at NAME X Y" (screen points to click: edit, row0,
// row1, empty, sorted), "ready"; then one line per event: "enter TEXT",
// "click INDEX CAPTION" (or "click none"), "keyup KEY INDEX", "sorted 0|1",
// "dialog ok F|B|D|N" or "dialog cancel", "deleted N", "rows CAPTIONS" after
// every change of the rows, "capture", "capture end KEY", "info",
// "answer yes|no|cancel", "closed".
// With --sort-check it appends the captions of the file (one per line) to the
// sorted list, logs "rows" with one caption per line after it, and ends.
// With --dpi-change the main window gets the system's message for a move to a
// screen of that DPI before it shows, with its client area scaled as the
// suggested rectangle.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/framework_error.h"
#include "platform/win32/win32_toolkit.h"

namespace {

using namespace vorn;

std::FILE* log_file = nullptr;

void Log(const std::string& line) {
  if (!log_file) return;
  std::fprintf(log_file, "%s\n", line.c_str());
  std::fflush(log_file);
}

std::string Index(std::optional<std::size_t> index) {
  return index ? std::to_string(*index) : "none";
}

std::string Captions(ListView& list) {
  std::string out;
  for (std::size_t i = 0; i < list.Count(); ++i) {
    if (i) out += ',';
    out += list.Row(i).Frequency;
  }
  return out;
}

void LogPoint(const std::string& name, HWND window, POINT point) {
  ClientToScreen(window, &point);
  Log("at\t" + name + "\t" + std::to_string(point.x) + "\t" + std::to_string(point.y));
}

class DemoForm {
 public:
  explicit DemoForm(Toolkit& kit) : kit_(kit), app_(kit.App()), form_(kit.CreateForm()) {
    Form& form = *form_;
    form.SetCaption("Perseus-Vorn");
    form.SetBounds({248, 110, 309, 515});

    Panel& top = form.AddPanel(Dock::Top, 41);
    edit_ = &top.AddEdit({8, 9, 153, 24});
    edit_->SetBoldFont(-13);
    auto_hide_ = &top.AddCheckBox({200, 14, 65, 17}, "AutoHide");
    list_ = &form.AddListView({{"Frequency", 80}, {"Bandw.", 50}, {"Demod", 50}, {"Station", 250}});
    Panel& bottom = form.AddPanel(Dock::Bottom, 45);
    sorted_ = &bottom.AddCheckBox({8, 16, 97, 17}, "Sort List");
    file_name_ = &bottom.AddLabeledEdit({120, 18, 177, 21}, "Station list:");
    file_name_->SetReadOnly(true);
    file_name_->SetText("demo.txt");
    label1_ = &form.AddLabel({11, 80}, "Hit key to set as new");
    label2_ = &form.AddLabel({11, 104}, "Hotkey (ESC: Abort)");
    for (Label* label : {label1_, label2_}) {
      label->SetBoldFont(-13);
      label->SetVisible(false);
    }

    MenuItem& stations = form.Menu().AddSubmenu("Stations");
    stations.Add("Load List", [this] { Log("open\t" + open_->Execute()); });
    stations.Add("Save List", [this] { Log("save\t" + save_->Execute()); });
    MenuItem& hotkey = form.Menu().AddSubmenu("Hotkey");
    hotkey.Add("Show", [] { throw FrameworkError("E/A-Fehler 32"); });
    hotkey.Add("Change", [this] { Capture(); });
    form.Menu().Add("Hide", [this] { form_->Hide(); });
    form.Menu().Add("Close", [this] { form_->Close(); });
    form.Menu().Add("Info", [this] {
      app_.ShowMessage("Vorn toolkit demo\rfor Perseus-Receiver\r\rVersion 2.1  08 August 2009");
      Log("info");
    });

    PopupMenu& popup = form.AddPopupMenu();
    popup.Add("New Entry", [this] { NewEntry(); });
    popup.Add("Delete Entry", [this] {
      if (auto selected = list_->Selected()) {
        list_->Remove(*selected);
        Log("deleted\t" + std::to_string(*selected));
        LogRows();
      }
    });
    list_->SetPopupMenu(&popup);

    const FileDialogOptions options{"Stationlists|*.txt|All files|*.*", "txt"};
    open_ = kit.CreateFileDialog(FileDialogKind::Open, options);
    save_ = kit.CreateFileDialog(FileDialogKind::Save, options);

    {
      ListUpdate update(*list_);
      list_->Append({"6070", "12 kHz", "AM", "Radio One"});
      list_->Append({"14100", "3 kHz", "USB", "Beacon"});
      list_->Append({"10000", "6 kHz", "AM", "Time signal"});
    }

    edit_->OnKeyPress = [this](char& key) { EntryKey(key); };
    edit_->OnDblClick = [this] { NewEntry(); };
    list_->OnClick = [this] {
      const auto selected = list_->Selected();
      std::string line = "click\t" + Index(selected);
      if (selected) line += '\t' + list_->Row(*selected).Frequency;
      Log(line);
    };
    list_->OnKeyUp = [this](VirtualKey key) {
      Log("keyup\t" + std::to_string(key) + "\t" + Index(list_->Selected()));
    };
    sorted_->OnClick = [this] {
      list_->SetSorted(sorted_->Checked());
      Log(std::string("sorted\t") + (sorted_->Checked() ? "1" : "0"));
      LogRows();
    };
    form.OnCloseQuery = [this] {
      const Answer answer = app_.Ask("Stationlist has changed, save?");
      Log(std::string("answer\t") + (answer == Answer::Yes  ? "yes"
                                     : answer == Answer::No ? "no"
                                                            : "cancel"));
      return answer == Answer::Yes;
    };

    dialog_ = kit.CreateModalDialog(form);
    Dialog& dialog = *dialog_;
    dialog.SetCaption("Add to List");
    dialog.SetBounds({0, 0, 196, 225});
    frequency_ = &dialog.AddLabeledEdit({16, 24, 161, 21}, "Frequency (kHz)");
    dialog.AddLabel({16, 56}, "Bandwidth");
    bandwidth_ = &dialog.AddComboBox(
        {16, 72, 65, 21}, {"50 kHz", "25 kHz", "12 kHz", "6 kHz", "3 kHz", "1.6 kHz", "0.8 kHz"});
    dialog.AddLabel({104, 56}, "Demodulator");
    demodulator_ = &dialog.AddComboBox(
        {104, 72, 73, 21}, {"AM", "SAM", "CW", "RTTY", "LSB", "USB", "FM", "DRM", "USER"});
    name_ = &dialog.AddLabeledEdit({16, 120, 161, 21}, "Station Name");
    dialog.AddButton({16, 160, 75, 25}, "OK", ModalResult::Ok);
    dialog.AddButton({104, 160, 75, 25}, "Abbrechen", ModalResult::Cancel);
  }

  Form& TheForm() { return *form_; }

  void SortCheck(const char* path) {
    std::FILE* file = std::fopen(path, "r");
    if (!file) return;
    list_->Clear();
    list_->SetSorted(true);
    {
      ListUpdate update(*list_);
      char line[256];
      while (std::fgets(line, sizeof line, file)) {
        std::string caption = line;
        while (!caption.empty() && (caption.back() == '\n' || caption.back() == '\r'))
          caption.pop_back();
        list_->Append({caption, "", "", ""});
      }
    }
    std::fclose(file);
    Log("rows");
    for (std::size_t i = 0; i < list_->Count(); ++i) {
      std::string line(1, '[');
      line += list_->Row(i).Frequency;
      line += ']';
      Log(line);
    }
  }

  void LogRows() { Log("rows\t" + Captions(*list_)); }

  void ChangeDpi(int dpi) {
    HWND form = reinterpret_cast<HWND>(form_->Handle());
    RECT client{};
    GetClientRect(form, &client);
    RECT suggested{0, 0, MulDiv(client.right, dpi, 96), MulDiv(client.bottom, dpi, 96)};
    AdjustWindowRectEx(&suggested, static_cast<DWORD>(GetWindowLongPtrA(form, GWL_STYLE)),
                       GetMenu(form) != nullptr,
                       static_cast<DWORD>(GetWindowLongPtrA(form, GWL_EXSTYLE)));
    RECT window{};
    GetWindowRect(form, &window);
    OffsetRect(&suggested, window.left - suggested.left, window.top - suggested.top);
    SendMessageA(form, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  }

  void LogStyle() {
    const auto style = GetWindowLongPtrA(reinterpret_cast<HWND>(form_->Handle()), GWL_STYLE);
    std::string flags;
    const std::pair<LONG_PTR, const char*> known[] = {{WS_CAPTION, "caption"},
                                                      {WS_THICKFRAME, "thickframe"},
                                                      {WS_SYSMENU, "sysmenu"},
                                                      {WS_MINIMIZEBOX, "minimizebox"},
                                                      {WS_MAXIMIZEBOX, "maximizebox"}};
    for (const auto& [bit, name] : known) {
      if ((style & bit) != bit) continue;
      if (!flags.empty()) flags += ',';
      flags += name;
    }
    Log("style\t" + flags);
  }

  void LogPoints() {
    HWND form = reinterpret_cast<HWND>(form_->Handle());
    const Rect top = edit_->Bounds();
    LogPoint("edit", form, {top.Left + 20, top.Top + top.Height / 2});
    HWND list = FindWindowExA(form, nullptr, WC_LISTVIEWA, nullptr);
    RECT r{};
    for (int row = 0; row < 2; ++row) {
      r = RECT{};
      r.left = LVIR_BOUNDS;
      SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r));
      LogPoint("row" + std::to_string(row), list, {r.left + 20, (r.top + r.bottom) / 2});
    }
    LogPoint("empty", list, {r.left + 20, r.bottom + 150});
    // The box sits on the bottom panel, 45 high.
    const Rect box = sorted_->Bounds();
    RECT client{};
    GetClientRect(form, &client);
    LogPoint("sorted", form, {box.Left + 8, client.bottom - 45 + box.Top + box.Height / 2});
  }

 private:
  void EntryKey(char& key) {
    if (key >= ' ' && !(key >= '0' && key <= '9') && key != '.' && key != ',') key = '\0';
    if (key != '\r') return;
    key = '\0';
    Log("enter\t" + edit_->Text());
    edit_->SelectAll();
  }

  void NewEntry() {
    frequency_->SetText(edit_->Text());
    bandwidth_->SetText("50 kHz");
    demodulator_->SetText("AM");
    name_->SetText("");
    const Rect main = form_->Bounds();
    const Rect own = dialog_->Bounds();
    dialog_->SetBounds(
        {main.Left + main.Width - own.Width, main.Top + 41 + 41 + 50, own.Width, own.Height});
    if (dialog_->ShowModal() != ModalResult::Ok) {
      Log("dialog\tcancel");
      return;
    }
    const StationRow row{frequency_->Text(), bandwidth_->Text(), demodulator_->Text(),
                         name_->Text()};
    list_->Append(row);
    Log("dialog\tok\t" + row.Frequency + "|" + row.Bandwidth + "|" + row.Demodulator + "|" +
        row.Name);
    LogRows();
  }

  void Capture() {
    list_->SetVisible(false);
    label1_->SetVisible(true);
    label2_->SetVisible(true);
    edit_->SetText("");
    edit_->OnKeyPress = {};
    edit_->OnKeyDown = [this](VirtualKey& key, ShiftState) {
      Log("capture end\t" + std::to_string(key));
      label1_->SetVisible(false);
      label2_->SetVisible(false);
      list_->SetVisible(true);
      edit_->OnKeyDown = {};
      edit_->OnKeyPress = [this](char& typed) { EntryKey(typed); };
      key = 0;
    };
    Log("capture");
  }

  Toolkit& kit_;
  Application& app_;
  std::unique_ptr<Form> form_;
  Edit* edit_ = nullptr;
  CheckBox* auto_hide_ = nullptr;
  ListView* list_ = nullptr;
  CheckBox* sorted_ = nullptr;
  Edit* file_name_ = nullptr;
  Label* label1_ = nullptr;
  Label* label2_ = nullptr;
  std::unique_ptr<FileDialog> open_;
  std::unique_ptr<FileDialog> save_;
  std::unique_ptr<Dialog> dialog_;
  Edit* frequency_ = nullptr;
  ComboBox* bandwidth_ = nullptr;
  ComboBox* demodulator_ = nullptr;
  Edit* name_ = nullptr;
};

}  // namespace

int main(int argc, char** argv) {
  const char* sort_check = nullptr;
  int dpi = 0;
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::string(argv[i]) == "--log") log_file = std::fopen(argv[i + 1], "wb");
    if (std::string(argv[i]) == "--sort-check") sort_check = argv[i + 1];
    if (std::string(argv[i]) == "--dpi-change") dpi = std::atoi(argv[i + 1]);
  }
  auto kit = CreateWin32Toolkit();
  DemoForm demo(*kit);
  if (sort_check) {
    demo.SortCheck(sort_check);
    return 0;
  }
  if (dpi > 0) demo.ChangeDpi(dpi);
  Log("title\t" + kit->App().Title());
  demo.LogStyle();
  demo.LogPoints();
  Log("ready");
  kit->App().Run(demo.TheForm());
  Log("closed");
  return 0;
}
