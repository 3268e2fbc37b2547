#include "stations/import/import_lines.h"

#include "stations/import/text_fields.h"

namespace vorn {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view WithoutByteOrderMark(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  return text;
}

bool BeyondAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

}  // namespace

ImportLines::ImportLines(std::string_view text) : reader_(WithoutByteOrderMark(text)) {}

bool ImportLines::Next(std::string_view& line) {
  while (reader_.Next(line))
    if (!TrimBlanks(line).empty()) return true;
  return false;
}

std::string AnsiImportText(std::string_view text, const CodePage& code_page) {
  const std::string_view body = WithoutByteOrderMark(text);
  if (body.size() == text.size() && !BeyondAscii(text)) return std::string(text);
  // Invalid UTF-8, even after a mark, is some other code page's text.
  if (auto converted = code_page.FromUtf8(body)) return *std::move(converted);
  return std::string(text);
}

std::string_view FirstImportLine(std::string_view text) {
  ImportLines lines(text);
  std::string_view line;
  return lines.Next(line) ? line : std::string_view();
}

}  // namespace vorn
