// The whole program on the simulated platform, driven as an operator would.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>

#include "app/endpoint_table.h"
#include "app/program.h"
#include "app/settings.h"
#include "platform/sim/ini_file_profile.h"
#include "platform/sim/native_file_system.h"
#include "platform/sim/sim_code_page.h"
#include "platform/sim/sim_hidden_window.h"
#include "platform/sim/sim_interval_timer.h"
#include "platform/sim/sim_keyboard_layouts.h"
#include "platform/sim/sim_locale.h"
#include "platform/sim/sim_notify_icon.h"
#include "platform/sim/sim_serial_ports.h"
#include "platform/sim/sim_shell_links.h"
#include "platform/sim/sim_single_instance.h"
#include "platform/sim/sim_stream_sockets.h"
#include "platform/sim/sim_system_hotkeys.h"
#include "platform/sim/sim_toolkit.h"
#include "platform/sim/sim_window_tree.h"
#include "temp_dir.h"

#include <set>
#include <utility>

namespace vorn {

// The settings file as the program reads it, remembering every section and
// key it was asked for.
class KeyRecordingProfile : public IniFileProfile {
 public:
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) override {
    keys_read_.emplace(section, key);
    return IniFileProfile::ReadString(path, section, key, fallback);
  }
  const std::set<std::pair<std::string, std::string>>& KeysRead() const { return keys_read_; }

 private:
  std::set<std::pair<std::string, std::string>> keys_read_;
};

constexpr LayoutHandle kUs = 0x04090409;
const std::string kRadioOne = "     6070;  12;   AM; \"Radio One\"\r\n";
const std::string kBeacon = "    14100; 1.6;   CW; \"Beacon\"\r\n";
const std::string kNetworkItem = "Network (hamlib) 127.0.0.1:4532";
const std::string kProgramPath = "C:\\Vorn\\Vorn.exe";

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    layouts.InstallLoaded(kUs,
                          {"00000409",
                           {{16, 0x2A}, {109, 0x4A}, {120, 0x43}},
                           {{0x2A << 16, "Shift"}, {0x4A << 16, "Num -"}, {0x43 << 16, "F9"}}});
  }

  void AddReceiver(const std::string& keypad_title = "Frequency",
                   const std::string& confirm = "kHz") {
    receiver_main = desktop.AddTopLevel("Perseus");
    for (const char* c : {"Dither", "AM", "USB", "CW", "12 kHz", "1.6kHz"})
      desktop.AddChild(receiver_main, c);
    receiver_keypad = desktop.AddTopLevel(keypad_title);
    for (const char* c : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "."})
      keys[c] = desktop.AddChild(receiver_keypad, c);
    desktop.AddChild(receiver_keypad, confirm);
  }

  void WriteIni(const std::string& text) { dir.Write("Vorn.ini", text); }

  void Launch() {
    program = std::make_unique<Program>(ProgramServices{{kit,
                                                         desktop,
                                                         settings,
                                                         files,
                                                         locale,
                                                         alert,
                                                         {hidden, atoms, hotkeys},
                                                         shell,
                                                         dir.Dir(),
                                                         '/',
                                                         code_page,
                                                         timers,
                                                         links,
                                                         kProgramPath,
                                                         [this] { return now; }},
                                                        instance,
                                                        layouts,
                                                        profile,
                                                        sockets,
                                                        ports});
    program->Run();
  }
  TForm1& Start() {
    Launch();
    return *program->Form1();
  }

  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const SimBox& box : kit.Boxes()) texts.push_back(box.Text);
    return texts;
  }

  void Choose(const std::vector<std::string>& path) {
    kit.Choose(program->Form1()->Window().Menu(), path);
  }
  SimEdit& Edit1() { return AsSim(*program->Form1()->Edit1); }
  SimListView& LV() { return AsSim(*program->Form1()->LV); }

  TempDir dir;
  SimToolkit kit;
  SimWindowTree desktop;
  KeyRecordingProfile profile;
  ProfileSettings settings{profile};
  NativeFileSystem files;
  SimLocale locale;
  SimAlert alert;
  SimHiddenWindows hidden;
  SimGlobalAtoms atoms;
  SimSystemHotKeys hotkeys{hidden};
  SimKeyboardLayouts layouts;
  SimSingleInstance instance;
  SimNotifyIconShell shell;
  SimStreamSockets sockets{hidden};
  SimSerialPorts ports{hidden};
  SimCodePage code_page;
  SimIntervalTimers timers;
  SimShellLinks links;
  std::unique_ptr<Program> program;
  WindowHandle receiver_main = 0;
  WindowHandle receiver_keypad = 0;
  std::map<std::string, WindowHandle> keys;
  std::int64_t now = 1'796'707'800;  // Tuesday 8 December 2026, 05:30 UTC
};

}  // namespace vorn
