// Loads and saves station lists through the Win32 file layer, for the
// end-to-end list file check. Rows are given and printed as
// "frequency|bandwidth|demodulator|name".
//
//   list-file-probe load PATH
//   list-file-probe save PATH ROW...
//   list-file-probe save-locked PATH ROW...   (PATH held open by another handle)
//   list-file-probe load-save PATH TARGET     (loads PATH, broken or not, saves to TARGET)
//
// A framework error is printed as "error=<text>" with exit code 2.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/framework_error.h"
#include "platform/station_rows.h"
#include "platform/win32/win32_file_system.h"
#include "stations/station_list.h"

namespace {

using namespace vorn;

class Rows : public StationRows {
 public:
  std::size_t Count() const override { return rows_.size(); }
  const StationRow& Row(std::size_t index) const override { return rows_.at(index); }
  void Append(const StationRow& row) override { rows_.push_back(row); }
  void Replace(std::size_t index, const StationRow& row) override { rows_.at(index) = row; }
  void Remove(std::size_t index) override { rows_.erase(rows_.begin() + index); }
  void Clear() override { rows_.clear(); }

 private:
  std::vector<StationRow> rows_;
};

StationRow Parse(const std::string& text) {
  std::string fields[4];
  std::size_t field = 0;
  for (char c : text) {
    if (c == '|' && field < 3)
      ++field;
    else
      fields[field] += c;
  }
  return {fields[0], fields[1], fields[2], fields[3]};
}

void PrintRows(const StationRows& rows) {
  for (std::size_t i = 0; i < rows.Count(); ++i) {
    const StationRow& row = rows.Row(i);
    std::printf("row=%s|%s|%s|%s\n", row.Frequency.c_str(), row.Bandwidth.c_str(),
                row.Demodulator.c_str(), row.Name.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 2 ? argv[1] : "";
  const std::string path = argc > 2 ? argv[2] : "";
  Rows rows;
  Win32FileSystem files;
  StationList list(rows, files, "");
  try {
    if (command == "load") {
      try {
        list.LoadStationFile(path);
      } catch (const FrameworkError&) {
        PrintRows(rows);
        std::printf("unchanged=%d\n", list.ListUnchanged() ? 1 : 0);
        throw;
      }
      PrintRows(rows);
      std::printf("unchanged=%d\n", list.ListUnchanged() ? 1 : 0);
      return 0;
    }
    if (command == "load-save" && argc == 4) {
      try {
        list.LoadStationFile(path);
      } catch (const ListIndexError&) {
      }
      list.SaveStationList(argv[3]);
      return 0;
    }
    if (command == "save" || command == "save-locked") {
      for (int i = 3; i < argc; ++i) rows.Append(Parse(argv[i]));
      HANDLE holder = INVALID_HANDLE_VALUE;
      if (command == "save-locked")
        holder = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
      struct Release {
        HANDLE handle;
        ~Release() {
          if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        }
      } release{holder};
      list.SaveStationList(path);
      return 0;
    }
  } catch (const FrameworkError& error) {
    std::printf("error=%s\n", error.what());
    return 2;
  }
  std::fprintf(stderr,
               "usage: list-file-probe load PATH | save PATH ROW... | save-locked PATH ROW...\n"
               "       list-file-probe load-save PATH TARGET\n");
  return 1;
}
