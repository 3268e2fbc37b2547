#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/private_profile.h"
#include "ui/form_settings.h"

namespace vorn {

inline constexpr const char* kSettingsFileName = "Vorn.ini";

// Reads StartDir + "Vorn.ini". `start_dir` ends with a path delimiter.
Settings ReadSettings(PrivateProfile& profile, const std::string& start_dir);

// Writes Hotkey (Key only when `keep_hotkey`, Next and Previous when given),
// Perseus, Placement, Autohide, each endpoint's Enabled and each serial
// endpoint's Port (when given) in this order, one service call per key; the list name is never
// written. The first refused write throws ProfileWriteError and ends the writing there.
void WriteSettings(PrivateProfile& profile, const std::string& start_dir,
                   const SettingsToWrite& values, bool keep_hotkey);

// The settings file of the main window, kept through the private-profile service.
class ProfileSettings : public SettingsStore {
 public:
  explicit ProfileSettings(PrivateProfile& profile) : profile_(profile) {}
  Settings Read(const std::string& start_dir) override { return ReadSettings(profile_, start_dir); }
  void Write(const std::string& start_dir, const SettingsToWrite& values,
             bool keep_hotkey) override {
    WriteSettings(profile_, start_dir, values, keep_hotkey);
  }
  void WriteWaitForReceiver(const std::string& start_dir, bool wait) override;

 private:
  PrivateProfile& profile_;
};

// A remote-control endpoint's section, read at start; the close writes
// Enabled only when the operator switched it in the menu.
struct EndpointSettings {
  bool Enabled = false;
  // As written; a value outside 1..65535 cannot be listened on.
  std::int32_t Port = 0;
  std::string Address;
  // A serial endpoint's Port, as its name ("COM5"); empty until chosen.
  std::string PortName;
};
// Reads `section`, with `defaults` for what the file does not say.
EndpointSettings ReadEndpointSettings(PrivateProfile& profile, const std::string& start_dir,
                                      const std::string& section, const EndpointSettings& defaults);

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
