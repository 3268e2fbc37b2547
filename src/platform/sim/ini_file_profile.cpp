#include "platform/sim/ini_file_profile.h"

#include <sys/stat.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string_view>
#include <vector>

#include "platform/framework_error.h"

namespace vorn {

namespace {

std::string_view Trim(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// The section name of a "[name]" line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = Trim(line);
  if (line.size() < 2 || line.front() != '[') return std::nullopt;
  const std::size_t close = line.find(']');
  if (close == std::string_view::npos) return std::nullopt;
  return Trim(line.substr(1, close - 1));
}

struct Entry {
  std::string_view Key;
  std::string_view Value;
};

std::optional<Entry> KeyValue(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return std::nullopt;
  return Entry{Trim(line.substr(0, equals)), Trim(line.substr(equals + 1))};
}

}  // namespace

bool IniFileProfile::FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string IniFileProfile::ReadString(const std::string& path, const std::string& section,
                                       const std::string& key, const std::string& fallback) {
  bool in_section = false;
  for (const std::string& line : ReadLines(path)) {
    if (const auto name = SectionName(line)) {
      in_section = SameName(*name, section);
      continue;
    }
    if (!in_section) continue;
    const auto entry = KeyValue(line);
    if (!entry || !SameName(entry->Key, key)) continue;
    std::string_view value = entry->Value;
    if (value.size() >= 2 && value.front() == value.back() &&
        (value.front() == '"' || value.front() == '\''))
      value = value.substr(1, value.size() - 2);
    return std::string(value.substr(0, kMaxValue));
  }
  return fallback.substr(0, kMaxValue);
}

void IniFileProfile::WriteString(const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& value) {
  std::vector<std::string> lines = ReadLines(path);
  const std::string entry = key + "=" + value;

  std::size_t header = lines.size();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const auto name = SectionName(lines[i]);
    if (name && SameName(*name, section)) {
      header = i;
      break;
    }
  }
  if (header == lines.size()) {
    lines.push_back("[" + section + "]");
    lines.push_back(entry);
  } else {
    std::size_t insert_at = header + 1;
    bool replaced = false;
    for (std::size_t i = header + 1; i < lines.size() && !SectionName(lines[i]); ++i) {
      const auto found = KeyValue(lines[i]);
      if (found && SameName(found->Key, key)) {
        lines[i] = entry;
        replaced = true;
        break;
      }
      if (!Trim(lines[i]).empty()) insert_at = i + 1;
    }
    if (!replaced) lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), entry);
  }

  std::ostringstream text;
  for (const std::string& line : lines) text << line << "\r\n";
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text.str();
  out.flush();
  if (!out) throw ProfileWriteError(path);
}

}  // namespace vorn
