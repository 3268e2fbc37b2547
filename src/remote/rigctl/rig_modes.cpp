#include "remote/rigctl/rig_modes.h"

#include <array>

namespace vorn {

namespace {

struct ModeName {
  std::string_view Name;
  std::string_view Demodulator;
  ModeVariant Variant;
};

// The first name for each demodulator is the one reported for it plainly.
constexpr std::array<ModeName, 14> kModes = {{
    {"AM", "AM", ModeVariant::Plain},
    {"AMS", "SAM", ModeVariant::Plain},
    {"CW", "CW", ModeVariant::Plain},
    {"CWR", "CW", ModeVariant::Reverse},
    {"USB", "USB", ModeVariant::Plain},
    {"LSB", "LSB", ModeVariant::Plain},
    {"FM", "FM", ModeVariant::Plain},
    {"WFM", "FM", ModeVariant::Wide},
    {"RTTY", "RTTY", ModeVariant::Plain},
    {"RTTYR", "RTTY", ModeVariant::Reverse},
    {"PKTUSB", "USB", ModeVariant::Data},
    {"PKTLSB", "LSB", ModeVariant::Data},
    {"PKTFM", "FM", ModeVariant::Data},
    {"PKTAM", "AM", ModeVariant::Data},
}};

}  // namespace

std::optional<RadioMode> RadioModeOfName(std::string_view name) {
  for (const ModeName& mode : kModes)
    if (mode.Name == name) return RadioMode{std::string(mode.Demodulator), mode.Variant};
  return std::nullopt;
}

std::string RigModeName(const RadioMode& mode) {
  for (const ModeName& known : kModes)
    if (known.Demodulator == mode.Demodulator && known.Variant == mode.Variant)
      return std::string(known.Name);
  for (const ModeName& known : kModes)
    if (known.Demodulator == mode.Demodulator) return std::string(known.Name);
  return "None";
}

}  // namespace vorn
