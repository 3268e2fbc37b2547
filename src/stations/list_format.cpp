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

// Reads the quoted field starting at `pos` (on the opening quote) into
// `field`. Leaves `pos` after the closing quote, or at the end of the line
// when there is none.
void ReadQuoted(std::string_view line, std::size_t& pos, std::string& field) {
  field.clear();
  ++pos;
  for (;;) {
    const std::size_t quote = line.find(kQuote, pos);
    if (quote == std::string_view::npos) {
      // Unterminated: the rest of the line, less its last character.
      field.append(line.substr(pos));
      if (!field.empty()) field.pop_back();
      pos = line.size();
      return;
    }
    field.append(line.substr(pos, quote - pos));
    if (quote + 1 < line.size() && line[quote + 1] == kQuote) {
      field.push_back(kQuote);
      pos = quote + 2;
    } else {
      pos = quote + 1;
      return;
    }
  }
}

}  // namespace

void AppendSerialisedRow(std::string& out, const StationRow& row) {
  AppendAligned(out, row.Frequency, 9);
  out.push_back(kDelimiter);
  AppendAligned(out, WithoutSuffix(row.Bandwidth), 4);
  out.push_back(kDelimiter);
  AppendAligned(out, row.Demodulator, 5);
  out.append("; ");
  out.push_back(kQuote);
  for (char c : row.Name) {
    if (c == kQuote) out.push_back(kQuote);
    out.push_back(c);
  }
  out.push_back(kQuote);
}

std::string SerialiseRow(const StationRow& row) {
  std::string line;
  line.reserve(9 + 1 + 4 + 1 + 5 + 2 + row.Name.size() + 2);
  AppendSerialisedRow(line, row);
  return line;
}

LineReader::LineReader(std::string_view text) : text_(text.substr(0, text.find('\0'))) {}

bool LineReader::Next(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const std::size_t start = pos_;
  while (pos_ < text_.size() && text_[pos_] != '\r' && text_[pos_] != '\n') ++pos_;
  line = text_.substr(start, pos_ - start);
  if (pos_ < text_.size()) {
    if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
    ++pos_;
  }
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  LineReader reader(text);
  for (std::string_view line; reader.Next(line);) lines.push_back(line);
  return lines;
}

void SplitDelimited(std::string_view line, std::vector<std::string>& fields) {
  std::size_t count = 0;
  // Reuses the strings already in `fields`, so that a caller splitting line
  // after line stops allocating.
  const auto next_field = [&]() -> std::string& {
    if (count == fields.size()) fields.emplace_back();
    return fields[count++];
  };
  std::size_t pos = 0;
  const auto skip_blanks = [&] {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
  };
  skip_blanks();
  while (pos < line.size()) {
    if (line[pos] == kQuote) {
      ReadQuoted(line, pos, next_field());
    } else {
      const std::size_t start = pos;
      while (pos < line.size() && line[pos] != kDelimiter && !IsBlank(line[pos])) ++pos;
      next_field().assign(line.substr(start, pos - start));
    }
    skip_blanks();
    if (pos < line.size() && line[pos] == kDelimiter) {
      // A ';' that ends the line still opens a last, empty field; one
      // followed only by blanks does not.
      if (pos + 1 == line.size()) next_field().clear();
      ++pos;
      skip_blanks();
    }
  }
  fields.resize(count);
}

std::vector<std::string> SplitDelimited(std::string_view line) {
  std::vector<std::string> fields;
  SplitDelimited(line, fields);
  return fields;
}

}  // namespace vorn
