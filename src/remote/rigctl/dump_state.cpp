#include "remote/rigctl/dump_state.h"

#include <cstdio>

#include "platform/tuning_values.h"
#include "remote/rigctl/rig_modes.h"

namespace vorn {

namespace {

constexpr long long kLowestHz = 10'000;
constexpr long long kVfoAB = 0x3;  // VFO A and VFO B

std::string Build() {
  char line[128];
  std::string text =
      "0\n"   // protocol version
      "2\n"   // model: the network client
      "0\n";  // region
  std::snprintf(line, sizeof line, "%lld.000000 %lld.000000 0x%llx -1 -1 0x%llx 0x0\n", kLowestHz,
                static_cast<long long>(kMaxFrequencyKhz) * 1000,
                static_cast<unsigned long long>(kRigModeBits), kVfoAB);
  text += line;
  text += "0 0 0 0 0 0 0\n";  // end of receive ranges
  text += "0 0 0 0 0 0 0\n";  // no transmit range
  std::snprintf(line, sizeof line, "0x%llx 1\n", static_cast<unsigned long long>(kRigModeBits));
  text += line;
  text += "0 0\n";  // end of tuning steps
  for (const BandwidthChoice& choice : kBandwidthChoices) {
    std::snprintf(line, sizeof line, "0x%llx %lld\n", static_cast<unsigned long long>(kRigModeBits),
                  static_cast<long long>(choice.Hz));
    text += line;
  }
  text += "0 0\n";  // end of filters
  // No RIT, XIT, IF shift, announcements, preamplifiers, attenuators,
  // functions, levels or parameters.
  text += "0\n0\n0\n0\n0\n0\n0x0\n0x0\n0x0\n0x0\n0x0\n0x0\n";
  return text;
}

}  // namespace

const std::string& DumpState() {
  static const std::string text = Build();
  return text;
}

}  // namespace vorn
