#pragma once

#include <memory>

#include "platform/toolkit.h"

namespace vorn {

// The toolkit over real windows. One per program, created on the thread that runs
// the message loop.
std::unique_ptr<Toolkit> CreateWin32Toolkit();

}  // namespace vorn
