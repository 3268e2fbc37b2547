#pragma once

#include <stdexcept>
#include <string>

namespace vorn {

// A failure of the framework kind (a file that cannot be opened, a short line
// in a list file, an I/O error). what() is the text the user sees in the
// error box; the program keeps running.
class FrameworkError : public std::runtime_error {
 public:
  explicit FrameworkError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace vorn
