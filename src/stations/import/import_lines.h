#pragma once

#include <string>
#include <string_view>

#include "platform/code_page.h"
#include "stations/list_format.h"

namespace vorn {

// The lines of an imported file that hold more than blanks, without a UTF-8
// byte order mark at its start. Line endings as in station list files.
class ImportLines {
 public:
  explicit ImportLines(std::string_view text);
  // False when no line is left.
  bool Next(std::string_view& line);

 private:
  LineReader reader_;
};

// The file's first line that holds more than blanks; empty when none does.
std::string_view FirstImportLine(std::string_view text);

// Another program's file as list files hold text, in the ANSI code page: one
// that starts with the UTF-8 byte order mark, or that is valid UTF-8 and holds
// characters beyond ASCII, is read as UTF-8 and converted, without the mark;
// any other is taken byte for byte.
std::string AnsiImportText(std::string_view text, const CodePage& code_page);

}  // namespace vorn
