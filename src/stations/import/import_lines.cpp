#include "stations/import/import_lines.h"

#include "stations/import/text_fields.h"

namespace vorn {

namespace {

std::string_view WithoutByteOrderMark(std::string_view text) {
  constexpr std::string_view kMark = "\xEF\xBB\xBF";
  if (text.starts_with(kMark)) text.remove_prefix(kMark.size());
  return text;
}

}  // namespace

ImportLines::ImportLines(std::string_view text) : reader_(WithoutByteOrderMark(text)) {}

bool ImportLines::Next(std::string_view& line) {
  while (reader_.Next(line))
    if (!TrimBlanks(line).empty()) return true;
  return false;
}

std::string_view FirstImportLine(std::string_view text) {
  ImportLines lines(text);
  std::string_view line;
  return lines.Next(line) ? line : std::string_view();
}

}  // namespace vorn
