// Tray probe: a hidden main form with the popup menu Show, Hide, Close and a
// TLumoTray on the real shell, for the end-to-end test to drive through the
// tray's callback message.
//
//   tray-probe.exe --log FILE [--default CAPTION] [--hint TEXT]
//
// --default gives that menu item the Default flag; --hint is the tray's
// designed hint. Logs, tab separated and flushed at once: "window HANDLE" (the
// tray's hidden window, hexadecimal), "form HANDLE", "showmainform 0|1",
// "add RESULT SIZE TIP" (the shell's answer and the record it got), "ready";
// then one line per event: "click CAPTION", "dblclick", "exception"; at the
// end "delete RESULT SIZE TIP" and "bye".
#include <windows.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "components/lumo_tray_icon.h"
#include "platform/component.h"
#include "platform/win32/win32_hidden_window.h"
#include "platform/win32/win32_notify_icon.h"
#include "platform/win32/win32_toolkit.h"

namespace {

using namespace vorn;

std::FILE* log_file = nullptr;

void Log(const std::string& line) {
  if (!log_file) return;
  std::fprintf(log_file, "%s\n", line.c_str());
  std::fflush(log_file);
}

std::string Hex(std::uintptr_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
  return text;
}

// The real shell, with every request and its answer logged.
class LoggingShell : public Win32NotifyIconShell {
 public:
  bool AddIcon(const NotifyIconData& record) override {
    return Logged("add", record, Win32NotifyIconShell::AddIcon(record));
  }
  bool DeleteIcon(const NotifyIconData& record) override {
    return Logged("delete", record, Win32NotifyIconShell::DeleteIcon(record));
  }

 private:
  static bool Logged(const char* what, const NotifyIconData& record, bool result) {
    Log(std::string(what) + "\t" + (result ? "1" : "0") + "\t" + std::to_string(record.Size) +
        "\t" + record.Tip.data());
    return result;
  }
};

}  // namespace

int main(int argc, char** argv) {
  std::string default_item;
  std::string hint;
  for (int i = 1; i + 1 < argc; ++i) {
    const std::string option = argv[i];
    if (option == "--log") log_file = std::fopen(argv[i + 1], "wb");
    if (option == "--default") default_item = argv[i + 1];
    if (option == "--hint") hint = argv[i + 1];
  }
  if (!log_file) return 2;

  auto kit = CreateWin32Toolkit();
  Application& app = kit->App();
  Win32HiddenWindows windows([&app](std::exception_ptr error) {
    Log("exception");
    try {
      std::rethrow_exception(error);
    } catch (const std::exception& e) {
      app.HandleException(e);
    }
  });
  LoggingShell shell;

  std::unique_ptr<Form> form = kit->CreateForm();
  form->SetCaption("Tray Probe");
  form->SetBounds({200, 150, 300, 200});
  PopupMenu& menu = form->AddPopupMenu();
  menu.Add("Show", [&form] {
    Log("click\tShow");
    form->Show();
  });
  menu.Add("Hide", [&form] {
    Log("click\tHide");
    form->Hide();
  });
  menu.Add("Close", [&form] {
    Log("click\tClose");
    form->Close();
  });
  if (MenuItem* item = FindItem(menu, default_item)) item->SetDefault(true);

  {
    TComponent root(nullptr);
    TLumoTray& tray = TComponent::Create<TLumoTray>(root, TrayServices{app, windows, shell}, hint);
    tray.PopupMenu = &menu;
    tray.OnDblClick = [&tray](TComponent& Sender) {
      Log(&Sender == &tray ? "dblclick" : "dblclick\tanother sender");
    };
    Log("window\t" + Hex(tray.Handle()));
    Log("form\t" + Hex(form->Handle()));
    Log(std::string("showmainform\t") + (app.ShowMainForm() ? "1" : "0"));
    Log("ready");
    app.Run(*form);
    tray.PopupMenu = nullptr;
  }
  Log("bye");
  std::fclose(log_file);
  return 0;
}
