#include "remote/rig_modes.h"

#include <array>
#include <utility>

namespace vorn {

namespace {

// Mode name, demodulator; the first name for each demodulator is the one reported.
constexpr std::array<std::pair<std::string_view, std::string_view>, 14> kModes = {{
    {"AM", "AM"},
    {"AMS", "SAM"},
    {"CW", "CW"},
    {"CWR", "CW"},
    {"USB", "USB"},
    {"LSB", "LSB"},
    {"FM", "FM"},
    {"WFM", "FM"},
    {"RTTY", "RTTY"},
    {"RTTYR", "RTTY"},
    {"PKTUSB", "USB"},
    {"PKTLSB", "LSB"},
    {"PKTFM", "FM"},
    {"PKTAM", "AM"},
}};

}  // namespace

std::optional<std::string> DemodulatorForMode(std::string_view mode) {
  for (const auto& [name, demodulator] : kModes)
    if (name == mode) return std::string(demodulator);
  return std::nullopt;
}

std::string ModeForDemodulator(std::string_view demodulator) {
  for (const auto& [name, button] : kModes)
    if (button == demodulator) return std::string(name);
  return "None";
}

}  // namespace vorn
