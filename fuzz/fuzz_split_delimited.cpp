// Line splitting and field splitting of station list files, with the
// properties the list code relies on.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/framework_error.h"
#include "platform/sim/native_file_system.h"
#include "platform/sim/sim_station_rows.h"
#include "stations/list_format.h"
#include "stations/station_list.h"

namespace {

void Check(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorn;
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  std::size_t covered = 0;
  std::vector<std::string> reused;
  for (std::string_view line : SplitLines(text)) {
    Check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
    covered += line.size();
    const std::vector<std::string> fields = SplitDelimited(line);
    for (const std::string& field : fields) Check(field.size() <= line.size());
    SplitDelimited(line, reused);
    Check(reused == fields);

    // Any line, as a station name, survives writing and reading back.
    const std::string written = SerialiseRow({"1", "2", "AM", std::string(line)});
    const auto read_back = SplitDelimited(written);
    Check(read_back.size() == 4 && read_back[3] == line);
  }
  Check(covered <= size);

  // Whatever a load keeps, it keeps unchanged.
  SimStationRows rows;
  NativeFileSystem files;
  StationList list(rows, files, "");
  try {
    list.LoadFromText(text);
  } catch (const ListIndexError& error) {
    Check(error.Index() < 4);
  }
  Check(list.ListUnchanged());
  Check(list.ListSnapshot() == SerialiseRows(rows));
  return 0;
}
