#include "platform/sim/sim_station_rows.h"

#include "platform/sim/ansi_compare.h"

namespace vorn {

SimStationRows::SimStationRows() : rows_(AnsiCompare) {}

std::vector<StationRow> SimStationRows::Rows() const {
  std::vector<StationRow> rows;
  rows.reserve(rows_.Count());
  for (std::size_t i = 0; i < rows_.Count(); ++i) rows.push_back(rows_.At(i));
  return rows;
}

}  // namespace vorn
