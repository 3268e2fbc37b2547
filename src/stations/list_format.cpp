#include "stations/list_format.h"

namespace vorn {

namespace {

constexpr char kDelimiter = ';';
constexpr char kQuote = '"';

bool IsBlank(char c) {
  const auto code = static_cast<unsigned char>(c);
  return code >= 1 && code <= 32;
}

// printf's "%W.Ws": cut to `width`, then padded on the left to `width`.
void AppendAligned(std::string& out, std::string_view text, std::size_t width) {
  text = text.substr(0, width);
  out.append(width - text.size(), ' ');
  out.append(text);
}

std::string_view WithoutSuffix(std::string_view bandwidth) {
  if (bandwidth.ends_with(kBandwidthSuffix)) bandwidth.remove_suffix(kBandwidthSuffix.size());
  return bandwidth;
}

// A quoted field starting at `pos` (on the opening quote). Leaves `pos` after
// the closing quote, or at the end of the line when there is none.
std::string ReadQuoted(std::string_view line, std::size_t& pos) {
  std::string field;
  ++pos;
  for (;;) {
    const std::size_t quote = line.find(kQuote, pos);
    if (quote == std::string_view::npos) {
      // Unterminated: the rest of the line, less its last character.
      field.append(line.substr(pos));
      if (!field.empty()) field.pop_back();
      pos = line.size();
      return field;
    }
    field.append(line.substr(pos, quote - pos));
    if (quote + 1 < line.size() && line[quote + 1] == kQuote) {
      field.push_back(kQuote);
      pos = quote + 2;
    } else {
      pos = quote + 1;
      return field;
    }
  }
}

}  // namespace

std::string SerialiseRow(const StationRow& row) {
  std::string line;
  line.reserve(9 + 1 + 4 + 1 + 5 + 2 + row.Name.size() + 2);
  AppendAligned(line, row.Frequency, 9);
  line.push_back(kDelimiter);
  AppendAligned(line, WithoutSuffix(row.Bandwidth), 4);
  line.push_back(kDelimiter);
  AppendAligned(line, row.Demodulator, 5);
  line.append("; ");
  line.push_back(kQuote);
  for (char c : row.Name) {
    if (c == kQuote) line.push_back(kQuote);
    line.push_back(c);
  }
  line.push_back(kQuote);
  return line;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::vector<std::string> SplitDelimited(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  const auto skip_blanks = [&] {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
  };
  skip_blanks();
  while (pos < line.size()) {
    if (line[pos] == kQuote) {
      fields.push_back(ReadQuoted(line, pos));
    } else {
      const std::size_t start = pos;
      while (pos < line.size() && line[pos] != kDelimiter && !IsBlank(line[pos])) ++pos;
      fields.emplace_back(line.substr(start, pos - start));
    }
    skip_blanks();
    if (pos < line.size() && line[pos] == kDelimiter) {
      // A ';' that ends the line still opens a last, empty field; one
      // followed only by blanks does not.
      if (pos + 1 == line.size()) fields.emplace_back();
      ++pos;
      skip_blanks();
    }
  }
  return fields;
}

}  // namespace vorn
