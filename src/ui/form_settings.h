#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace vorn {

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
  // The hotkeys that step through the list; 0 for none.
  std::uint32_t NextHotKey = 0;
  std::uint32_t PreviousHotKey = 0;
  // A start that does not find the receiver program waits for it in the tray.
  bool WaitForReceiver = false;
};

// What the close sequence writes back.
struct SettingsToWrite {
  std::uint32_t HotKey = kDefaultHotKey;
  std::string Version;
  WindowPlacement Placement;
  bool AutoHide = false;
  // Written only when set.
  std::optional<std::uint32_t> NextHotKey;
  std::optional<std::uint32_t> PreviousHotKey;
  // Each remote-control endpoint the operator switched in the menu, by its
  // section of the file, as it is now.
  std::vector<std::pair<std::string, bool>> EndpointsEnabled = {};
  // Each serial endpoint whose port the operator chose in the menu, by its
  // section, with the port's name.
  std::vector<std::pair<std::string, std::string>> EndpointPorts = {};
};

// Where the main window's settings are kept: read at start, written at close.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;
  // `start_dir` ends with a path delimiter.
  virtual Settings Read(const std::string& start_dir) = 0;
  // Writes Hotkey (Key only when `keep_hotkey`), Perseus, Placement,
  // Autohide and the endpoints switched; a refused write throws
  // ProfileWriteError.
  virtual void Write(const std::string& start_dir, const SettingsToWrite& values,
                     bool keep_hotkey) = 0;
  // Writes Start's WaitForReceiver at once; a refused write throws
  // ProfileWriteError.
  virtual void WriteWaitForReceiver(const std::string& start_dir, bool wait) = 0;
};

}  // namespace vorn
