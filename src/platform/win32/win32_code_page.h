#pragma once

#include "platform/code_page.h"

namespace vorn {

class Win32CodePage : public CodePage {
 public:
  std::optional<std::string> FromUtf8(std::string_view utf8) const override;
};

}  // namespace vorn
