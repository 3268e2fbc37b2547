#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/file_system.h"
#include "platform/station_rows.h"

namespace vorn {

// The station list file operations and the change tracking. The rows stay in
// the view behind `rows`; this keeps only the snapshot to compare them with.
class StationList {
 public:
  // `start_dir` ends with a path delimiter.
  StationList(StationRows& rows, FileSystem& files, std::string start_dir)
      : rows_(rows), files_(files), start_dir_(std::move(start_dir)) {}

  // Replaces the rows by the stations of the file StartDir + `name`.
  void LoadStationList(const std::string& name) { LoadStationFile(start_dir_ + name); }
  // The same for a file anywhere. A file that cannot be opened throws
  // FileOpenError and changes nothing. A file that stops at a short line is
  // remembered as loaded in part (see SaveStationList).
  void LoadStationFile(const std::string& path);
  // Replaces the rows by the stations of a file's content. A line with fewer
  // than four fields throws ListIndexError: the rows of the lines before it
  // stay, that line and the rest are dropped, and the snapshot covers exactly
  // the rows kept.
  void LoadFromText(std::string_view text);
  // Replaces the rows by rows from elsewhere. They are no list file's, so they
  // count as changed.
  void ReplaceRows(const std::vector<StationRow>& rows);

  // Writes every row, CR LF after each; leaves the snapshot alone. The first
  // save over a file that was loaded only in part first keeps that file's
  // content beside it, as the same name with ".bak" appended: the path of
  // that copy is returned, empty when none was made.
  std::string SaveStationList(const std::string& path);

  // True when the view has no rows or its rows still serialise to the snapshot.
  bool ListUnchanged() const;
  // Makes the current rows the unchanged state (after a save).
  void TakeSnapshot();

  const std::string& ListSnapshot() const { return snapshot_; }
  const std::string& StartDir() const { return start_dir_; }

 private:
  StationRows& rows_;
  FileSystem& files_;
  std::string start_dir_;
  std::string snapshot_;
  // The file the rows were loaded from in part; empty once it was saved over
  // or other rows were loaded.
  std::string partial_source_;
};

// Every row serialised, in view order, with nothing between them.
std::string SerialiseRows(const StationRows& rows);

}  // namespace vorn
