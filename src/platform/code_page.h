#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vorn {

// The system's ANSI code page, in which list files and the program's texts
// hold their characters, one byte each.
class CodePage {
 public:
  virtual ~CodePage() = default;
  // UTF-8 text in the ANSI code page; a character the code page lacks becomes
  // its best fit or "?". Nothing when the text is not valid UTF-8.
  virtual std::optional<std::string> FromUtf8(std::string_view utf8) const = 0;
};

}  // namespace vorn
