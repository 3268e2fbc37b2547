#pragma once

#include <vector>

#include "platform/list_rows.h"
#include "platform/station_rows.h"

namespace vorn {

// Station rows held in memory as a list view holds them, never sorted.
class SimStationRows : public StationRows {
 public:
  SimStationRows();

  std::size_t Count() const override { return rows_.Count(); }
  const StationRow& Row(std::size_t index) const override { return rows_.At(index); }
  void Append(const StationRow& row) override { rows_.Append(row); }
  void Replace(std::size_t index, const StationRow& row) override { rows_.Replace(index, row); }
  void Remove(std::size_t index) override { rows_.Remove(index); }
  void Clear() override { rows_.Clear(); }

  std::vector<StationRow> Rows() const;

 private:
  ListRows rows_;
};

}  // namespace vorn
