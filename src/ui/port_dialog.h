#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace vorn {

// Asks for a serial port in a small dialog: the system's ports to pick from,
// or a name typed by hand, starting from the one chosen before. The name,
// trimmed, when the dialog closed with OK and holds one; nothing otherwise.
std::optional<std::string> AskForPort(Toolkit& toolkit, Form& owner, const std::string& caption,
                                      const std::vector<std::string>& ports,
                                      const std::string& current);

}  // namespace vorn
