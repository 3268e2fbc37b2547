// Reads and writes Vorn's settings through the Win32 private-profile service,
// for the end-to-end settings check. Prints one "name=value" line per setting;
// a carriage return in a text is shown as "|".
//
//   ini-probe read DIR
//   ini-probe write DIR HOTKEY VERSION LEFT TOP WIDTH HEIGHT AUTOHIDE KEEP_HOTKEY
//
// DIR ends with a path delimiter. A framework error is printed as
// "error=<text>" with exit code 2.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/settings.h"
#include "platform/framework_error.h"
#include "platform/win32/win32_private_profile.h"
#include "receiver/keypad_captions.h"

namespace {

using namespace vorn;

std::string Shown(std::string text) {
  for (char& c : text)
    if (c == '\r') c = '|';
  return text;
}

void Print(const char* name, const std::string& value) {
  std::printf("%s=%s\n", name, Shown(value).c_str());
}

int Read(PrivateProfile& profile, const std::string& dir) {
  const Settings s = ReadSettings(profile, dir);
  Print("found", s.FileFound ? "1" : "0");
  if (!s.FileFound) Print("message", kSettingsMissingMessage);
  Print("left", std::to_string(s.Placement.Left));
  Print("top", std::to_string(s.Placement.Top));
  Print("width", std::to_string(s.Placement.Width));
  Print("height", std::to_string(s.Placement.Height));
  Print("hotkey", std::to_string(s.HotKey));
  Print("saved", std::to_string(s.SavedHotKey));
  Print("version", s.Version);
  Print("autohide", s.AutoHide ? "1" : "0");
  Print("list", s.ListName);
  const KeypadCaptions keypad = KeypadCaptionsFor(s.Version);
  Print("panel_title", keypad.PanelTitle);
  Print("panel_terminator", keypad.PanelTerminator);
  return 0;
}

std::int32_t Number(const char* text) {
  return static_cast<std::int32_t>(std::strtol(text, nullptr, 10));
}

int Write(PrivateProfile& profile, const std::string& dir, char** args) {
  SettingsToWrite values;
  values.HotKey = static_cast<std::uint32_t>(Number(args[0]));
  values.Version = args[1];
  values.Placement = {Number(args[2]), Number(args[3]), Number(args[4]), Number(args[5])};
  values.AutoHide = Number(args[6]) != 0;
  WriteSettings(profile, dir, values, Number(args[7]) != 0);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 2 ? argv[1] : "";
  Win32PrivateProfile profile;
  try {
    if (command == "read" && argc == 3) return Read(profile, argv[2]);
    if (command == "write" && argc == 11) return Write(profile, argv[2], argv + 3);
  } catch (const FrameworkError& error) {
    Print("error", error.what());
    return 2;
  }
  std::fprintf(stderr,
               "usage: ini-probe read DIR | write DIR HOTKEY VERSION L T W H AUTOHIDE KEEP\n");
  return 1;
}
