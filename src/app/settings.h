#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/private_profile.h"

namespace vorn {

inline constexpr const char* kSettingsFileName = "Vorn.ini";
// Shown at start when StartDir holds no settings file.
inline constexpr const char* kSettingsMissingMessage =
    "File not found: Vorn.ini\rHotkey is Numpad-Subtract (-)\rWorking on Perseus V2.1f";

inline constexpr std::uint32_t kDefaultHotKey = 109;  // numeric keypad minus
inline constexpr const char* kDefaultVersion = "V2.1f";

struct WindowPlacement {
  std::int32_t Left = 100;
  std::int32_t Top = 100;
  std::int32_t Width = 180;
  std::int32_t Height = 374;

  bool operator==(const WindowPlacement&) const = default;
};

struct Settings {
  // False when the file was missing: the caller shows kSettingsMissingMessage
  // and the window keeps its designed placement; `Placement` is then unused.
  bool FileFound = false;
  WindowPlacement Placement;
  std::uint32_t HotKey = kDefaultHotKey;
  // The hotkey as read from the file; 0 when there was no file.
  std::uint32_t SavedHotKey = 0;
  std::string Version = kDefaultVersion;
  bool AutoHide = false;
  std::string ListName;
};

// What the close sequence writes back.
struct SettingsToWrite {
  std::uint32_t HotKey = kDefaultHotKey;
  std::string Version;
  WindowPlacement Placement;
  bool AutoHide = false;
};

// Reads StartDir + "Vorn.ini". `start_dir` ends with a path delimiter.
Settings ReadSettings(PrivateProfile& profile, const std::string& start_dir);

// Writes Hotkey (only when `keep_hotkey`), Perseus, Placement and Autohide in
// this order, one service call per key; the list name is never written. The
// first refused write throws ProfileWriteError and ends the writing there.
void WriteSettings(PrivateProfile& profile, const std::string& start_dir,
                   const SettingsToWrite& values, bool keep_hotkey);

// The receiver keypad window's title and confirm caption for a version text.
struct KeypadCaptions {
  std::string PanelTitle;
  std::string PanelTerminator;
};
KeypadCaptions KeypadCaptionsFor(std::string_view version);

// An integer as the settings file spells it: leading blanks, a sign, then
// decimal digits or hexadecimal ones after "$", "0x", "0X", "x" or "X".
// Nothing when the text is empty, not such a number, or beyond 32 bits.
std::optional<std::int32_t> ParseProfileInt(std::string_view text);

std::int32_t ReadProfileInt(PrivateProfile& profile, const std::string& path,
                            const std::string& section, const std::string& key,
                            std::int32_t fallback);
// An integer read with 0 or 1 as default, true when not 0.
bool ReadProfileBool(PrivateProfile& profile, const std::string& path, const std::string& section,
                     const std::string& key, bool fallback);

}  // namespace vorn
