#pragma once

#include <string>
#include <string_view>

#include "remote/rig_control.h"

namespace vorn {

// The protocol's result codes: 0 or negative, as the network client reads them.
inline constexpr int kRigOk = 0;
inline constexpr int kRigInvalid = -1;
inline constexpr int kRigNotImplemented = -4;
inline constexpr int kRigIoError = -6;
inline constexpr int kRigNotAvailable = -11;

// Carries out one request line (without its line end) and appends its answers.
// True when the client asked to close the connection.
bool AnswerRigLine(std::string_view line, RigControl& rig, std::string& answers);

}  // namespace vorn
