#pragma once

#include <string>

namespace vorn {

// The answer to `\dump_state` in the protocol's first version: what the
// receiver can do (receive range, modes, bandwidths as filters; no transmit range).
const std::string& DumpState();

}  // namespace vorn
