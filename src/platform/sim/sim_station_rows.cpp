#include "platform/sim/sim_station_rows.h"

#include <stdexcept>

namespace vorn {

void SimStationRows::Remove(std::size_t index) {
  if (index >= rows_.size()) throw std::out_of_range("SimStationRows::Remove");
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
}

}  // namespace vorn
