#pragma once

#include <string>
#include <string_view>

namespace vorn {

// The receiver keypad window's title and confirm caption for a version text.
struct KeypadCaptions {
  std::string PanelTitle;
  std::string PanelTerminator;
};
KeypadCaptions KeypadCaptionsFor(std::string_view version);

}  // namespace vorn
