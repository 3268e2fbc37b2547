// Line splitting and field splitting of station list files, with the
// properties the list code relies on.
#include <cstdint>
#include <string>
#include <string_view>

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
  for (std::string_view line : SplitLines(text)) {
    Check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos);
    covered += line.size();
    for (const std::string& field : SplitDelimited(line)) Check(field.size() <= line.size());

    // Any line, as a station name, survives writing and reading back.
    const std::string written = SerialiseRow({"1", "2", "AM", std::string(line)});
    const auto fields = SplitDelimited(written);
    Check(fields.size() == 4 && fields[3] == line);
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
