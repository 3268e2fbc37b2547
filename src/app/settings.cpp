#include "app/settings.h"

#include <limits>

namespace vorn {

namespace {

int DigitValue(char c, int base) {
  int value = -1;
  if (c >= '0' && c <= '9')
    value = c - '0';
  else if (c >= 'a' && c <= 'f')
    value = c - 'a' + 10;
  else if (c >= 'A' && c <= 'F')
    value = c - 'A' + 10;
  return value < base ? value : -1;
}

std::string ReadText(PrivateProfile& profile, const std::string& path, const std::string& section,
                     const std::string& key, const std::string& fallback) {
  std::string text = profile.ReadString(path, section, key, fallback);
  if (text.size() > PrivateProfile::kMaxValue) text.resize(PrivateProfile::kMaxValue);
  return text;
}

}  // namespace

std::optional<std::int32_t> ParseProfileInt(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';

  int base = 10;
  const std::string_view rest = text.substr(pos);
  if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
    base = 16;
    pos += 1;
  } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
    base = 16;
    pos += 2;
  }
  if (pos == text.size()) return std::nullopt;

  // Accumulated as a magnitude so that the most negative value fits too.
  const std::int64_t limit =
      negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
               : std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude = 0;
  for (; pos < text.size(); ++pos) {
    const int digit = DigitValue(text[pos], base);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + digit;
    if (magnitude > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

std::int32_t ReadProfileInt(PrivateProfile& profile, const std::string& path,
                            const std::string& section, const std::string& key,
                            std::int32_t fallback) {
  return ParseProfileInt(ReadText(profile, path, section, key, "")).value_or(fallback);
}

bool ReadProfileBool(PrivateProfile& profile, const std::string& path, const std::string& section,
                     const std::string& key, bool fallback) {
  return ReadProfileInt(profile, path, section, key, fallback ? 1 : 0) != 0;
}

Settings ReadSettings(PrivateProfile& profile, const std::string& start_dir) {
  const std::string path = start_dir + kSettingsFileName;
  Settings s;
  s.FileFound = profile.FileExists(path);
  if (!s.FileFound) return s;

  const WindowPlacement designed;
  s.Placement.Left = ReadProfileInt(profile, path, "Placement", "Left", designed.Left);
  s.Placement.Top = ReadProfileInt(profile, path, "Placement", "Top", designed.Top);
  s.Placement.Width = ReadProfileInt(profile, path, "Placement", "Width", designed.Width);
  s.Placement.Height = ReadProfileInt(profile, path, "Placement", "Height", designed.Height);
  s.HotKey = static_cast<std::uint32_t>(
      ReadProfileInt(profile, path, "Hotkey", "Key", static_cast<std::int32_t>(kDefaultHotKey)));
  s.Version = ReadText(profile, path, "Perseus", "Version", kDefaultVersion);
  s.AutoHide = ReadProfileBool(profile, path, "Autohide", "Checked", false);
  s.ListName = ReadText(profile, path, "StationLists", "Default", "");
  s.SavedHotKey = s.HotKey;
  s.NextHotKey = static_cast<std::uint32_t>(ReadProfileInt(profile, path, "Hotkey", "Next", 0));
  s.PreviousHotKey =
      static_cast<std::uint32_t>(ReadProfileInt(profile, path, "Hotkey", "Previous", 0));
  s.WaitForReceiver = ReadProfileBool(profile, path, "Start", "WaitForReceiver", false);
  return s;
}

EndpointSettings ReadEndpointSettings(PrivateProfile& profile, const std::string& start_dir,
                                      const std::string& section,
                                      const EndpointSettings& defaults) {
  const std::string path = start_dir + kSettingsFileName;
  EndpointSettings s;
  s.Enabled = ReadProfileBool(profile, path, section, "Enabled", defaults.Enabled);
  s.Port = ReadProfileInt(profile, path, section, "Port", defaults.Port);
  s.Address = ReadText(profile, path, section, "Address", defaults.Address);
  s.PortName = ReadText(profile, path, section, "Port", defaults.PortName);
  return s;
}

void WriteSettings(PrivateProfile& profile, const std::string& start_dir,
                   const SettingsToWrite& values, bool keep_hotkey) {
  const std::string path = start_dir + kSettingsFileName;
  const auto write_int = [&](const char* section, const char* key, std::int32_t value) {
    profile.WriteString(path, section, key, std::to_string(value));
  };
  if (keep_hotkey) write_int("Hotkey", "Key", static_cast<std::int32_t>(values.HotKey));
  if (values.NextHotKey) write_int("Hotkey", "Next", static_cast<std::int32_t>(*values.NextHotKey));
  if (values.PreviousHotKey)
    write_int("Hotkey", "Previous", static_cast<std::int32_t>(*values.PreviousHotKey));
  profile.WriteString(path, "Perseus", "Version", values.Version);
  write_int("Placement", "Left", values.Placement.Left);
  write_int("Placement", "Top", values.Placement.Top);
  write_int("Placement", "Width", values.Placement.Width);
  write_int("Placement", "Height", values.Placement.Height);
  write_int("Autohide", "Checked", values.AutoHide ? 1 : 0);
  for (const auto& [section, enabled] : values.EndpointsEnabled)
    write_int(section.c_str(), "Enabled", enabled ? 1 : 0);
  for (const auto& [section, port] : values.EndpointPorts)
    profile.WriteString(path, section, "Port", port);
}

void ProfileSettings::WriteWaitForReceiver(const std::string& start_dir, bool wait) {
  profile_.WriteString(start_dir + kSettingsFileName, "Start", "WaitForReceiver", wait ? "1" : "0");
}

}  // namespace vorn
