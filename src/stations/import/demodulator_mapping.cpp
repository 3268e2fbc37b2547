#include "stations/import/demodulator_mapping.h"

#include <string>

#include "stations/import/text_fields.h"

namespace vorn {

namespace {

std::string Upper(std::string_view text) {
  std::string upper(text);
  for (char& c : upper)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return upper;
}

bool HasWord(std::string_view text, std::string_view word) {
  for (std::size_t at = text.find(word); at != std::string_view::npos;
       at = text.find(word, at + 1)) {
    const auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); };
    const bool starts = at == 0 || !letter(text[at - 1]);
    const std::size_t end = at + word.size();
    if (starts && (end == text.size() || !letter(text[end]))) return true;
  }
  return false;
}

}  // namespace

const char* ReceiverDemodulator(std::string_view mode) {
  mode = TrimBlanks(mode);
  for (const char* demodulator : kDemodulators)
    if (EqualsIgnoringCase(mode, demodulator)) return demodulator;
  return nullptr;
}

const char* DemodulatorForMode(std::string_view mode) {
  if (const char* own = ReceiverDemodulator(mode)) return own;
  const std::string upper = Upper(TrimBlanks(mode));
  const std::string_view m = upper;
  // Synchronous AM before plain AM; sideband and keying names carry suffixes
  // ("CW-L", "USB-D", "RTTYR"), FM comes as narrow, wide or stereo.
  if (m.find("SYNC") != std::string_view::npos || m.starts_with("SAM")) return "SAM";
  if (m.starts_with("CW")) return "CW";
  if (m.starts_with("RTTY") || m == "FSK") return "RTTY";
  if (m.find("LSB") != std::string_view::npos) return "LSB";
  if (m.find("USB") != std::string_view::npos) return "USB";
  if (m == "NFM" || m.starts_with("WFM") || HasWord(m, "FM")) return "FM";
  if (m.starts_with("DRM")) return "DRM";
  return "AM";
}

const BandwidthChoice& DefaultBandwidth(std::string_view demodulator) {
  const std::string d(demodulator);
  if (d == "LSB" || d == "USB") return BandwidthForPassband(3000);
  if (d == "RTTY") return BandwidthForPassband(1600);
  if (d == "CW") return BandwidthForPassband(800);
  if (d == "FM" || d == "DRM") return BandwidthForPassband(12000);
  return BandwidthForPassband(6000);
}

}  // namespace vorn
