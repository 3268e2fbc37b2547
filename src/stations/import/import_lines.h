#pragma once

#include <string_view>

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

}  // namespace vorn
