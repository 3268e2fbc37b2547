#include "stations/import/text_fields.h"

#include <algorithm>

namespace vorn {

namespace {

char AsciiUpper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

std::vector<std::string_view> SplitTrimmed(std::string_view line, char delimiter) {
  std::vector<std::string_view> fields;
  for (;;) {
    const std::size_t end = line.find(delimiter);
    fields.push_back(TrimBlanks(line.substr(0, end)));
    if (end == std::string_view::npos) return fields;
    line.remove_prefix(end + 1);
  }
}

bool SplitCommaQuoted(std::string_view line, std::vector<std::string>& fields) {
  fields.clear();
  std::size_t pos = 0;
  for (;;) {
    std::string& field = fields.emplace_back();
    if (pos < line.size() && line[pos] == '"') {
      for (++pos;; ++pos) {
        if (pos >= line.size()) return false;
        if (line[pos] != '"') {
          field.push_back(line[pos]);
        } else if (pos + 1 < line.size() && line[pos + 1] == '"') {
          field.push_back('"');
          ++pos;
        } else {
          ++pos;
          break;
        }
      }
      if (pos < line.size() && line[pos] != ',') return false;
    } else {
      const std::size_t end = std::min(line.find(',', pos), line.size());
      field.assign(line.substr(pos, end - pos));
      pos = end;
    }
    if (pos >= line.size()) return true;
    ++pos;  // the comma
  }
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiUpper(x) == AsciiUpper(y);
         });
}

}  // namespace vorn
