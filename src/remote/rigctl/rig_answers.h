#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "remote/rigctl/rig_requests.h"
#include "remote/vfo_pair.h"

namespace vorn {

// The protocol's result codes: 0 or negative, as the network client reads them.
inline constexpr int kRigOk = 0;
inline constexpr int kRigInvalid = -1;
inline constexpr int kRigNotImplemented = -4;
inline constexpr int kRigIoError = -6;
inline constexpr int kRigNotAvailable = -11;

// One client: its VFO pair and the name it last selected a VFO by.
struct RigClient {
  explicit RigClient(ReceiverControl& receiver) : Vfos(receiver) {}
  VfoPair Vfos;
  std::string VfoName = "VFOA";
};

// Carries out one request line (without its line end) and appends its answers.
// True when the client asked to close the connection.
bool AnswerRigLine(std::string_view line, RigClient& client, std::string& answers);

}  // namespace vorn
