#include "stations/station_list.h"

#include <vector>

#include "platform/framework_error.h"
#include "stations/list_format.h"

namespace vorn {

namespace {
constexpr std::size_t kRowFields = 4;
constexpr const char* kBackupSuffix = ".bak";
}  // namespace

void StationList::LoadStationFile(const std::string& path) {
  const std::string text = files_.ReadAll(path);
  try {
    LoadFromText(text);
  } catch (const ListIndexError&) {
    partial_source_ = path;
    throw;
  }
}

void StationList::LoadFromText(std::string_view text) {
  partial_source_.clear();
  snapshot_.clear();
  snapshot_.reserve(text.size());
  rows_.Clear();
  LineReader reader(text);
  std::vector<std::string> fields;
  for (std::string_view line; reader.Next(line);) {
    SplitDelimited(line, fields);
    if (fields.size() < kRowFields) throw ListIndexError(fields.size());
    StationRow row{fields[0], fields[1], fields[2], fields[3]};
    row.Bandwidth.append(kBandwidthSuffix);
    // Taken from the row as read, not from the view: a sorting view puts rows
    // elsewhere, and the snapshot keeps the file's order.
    AppendSerialisedRow(snapshot_, row);
    rows_.Append(row);
  }
}

void StationList::ReplaceRows(const std::vector<StationRow>& rows) {
  partial_source_.clear();
  snapshot_.clear();
  rows_.Clear();
  for (const StationRow& row : rows) rows_.Append(row);
}

std::string StationList::SaveStationList(const std::string& path) {
  std::string content;
  const std::size_t count = rows_.Count();
  for (std::size_t i = 0; i < count; ++i) {
    AppendSerialisedRow(content, rows_.Row(i));
    content += "\r\n";
  }
  // The lines after the short one exist only in that file: keep it whole.
  const bool keep_original = !partial_source_.empty() && files_.SameFile(path, partial_source_);
  std::string backup;
  if (keep_original) {
    backup = partial_source_ + kBackupSuffix;
    files_.WriteReplace(backup, files_.ReadAll(partial_source_));
  }
  files_.WriteReplace(path, content);
  if (keep_original) partial_source_.clear();
  return backup;
}

bool StationList::ListUnchanged() const {
  const std::size_t count = rows_.Count();
  if (count == 0) return true;
  std::string_view rest = snapshot_;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string line = SerialiseRow(rows_.Row(i));
    if (!rest.starts_with(line)) return false;
    rest.remove_prefix(line.size());
  }
  return rest.empty();
}

void StationList::TakeSnapshot() {
  snapshot_ = SerialiseRows(rows_);
}

std::string SerialiseRows(const StationRows& rows) {
  std::string text;
  const std::size_t count = rows.Count();
  for (std::size_t i = 0; i < count; ++i) AppendSerialisedRow(text, rows.Row(i));
  return text;
}

}  // namespace vorn
