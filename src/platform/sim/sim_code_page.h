#pragma once

#include "platform/code_page.h"

namespace vorn {

// Windows-1252, the code page of western systems, without the system's best
// fits: a character it lacks becomes "?".
class SimCodePage : public CodePage {
 public:
  std::optional<std::string> FromUtf8(std::string_view utf8) const override;
};

}  // namespace vorn
