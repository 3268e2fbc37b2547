#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "remote/rig_control.h"
#include "remote/rig_requests.h"

namespace vorn {

// The protocol's result codes: 0 or negative, as the network client reads them.
inline constexpr int kRigOk = 0;
inline constexpr int kRigInvalid = -1;
inline constexpr int kRigNotImplemented = -4;
inline constexpr int kRigIoError = -6;
inline constexpr int kRigNotAvailable = -11;

// One client's VFOs. VFO A is the receiver: what Vorn tuned. VFO B tunes
// nothing; it holds what the client set on it, and VFO A's values until then.
struct RigVfos {
  bool OnB = false;
  std::string Name = "VFOA";  // as the client selected it
  std::optional<std::int64_t> FrequencyB;
  std::optional<std::string> ModeB;
  std::int64_t PassbandB = 0;
};

// Carries out one request line (without its line end) and appends its answers.
// True when the client asked to close the connection.
bool AnswerRigLine(std::string_view line, RigControl& rig, RigVfos& vfos, std::string& answers);

}  // namespace vorn
