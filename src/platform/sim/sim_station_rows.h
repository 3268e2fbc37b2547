#pragma once

#include <vector>

#include "platform/station_rows.h"

namespace vorn {

// List view rows held in memory, in insertion order.
class SimStationRows : public StationRows {
 public:
  std::size_t Count() const override { return rows_.size(); }
  const StationRow& Row(std::size_t index) const override { return rows_.at(index); }
  void Append(const StationRow& row) override { rows_.push_back(row); }
  void Remove(std::size_t index) override;
  void Clear() override { rows_.clear(); }

  const std::vector<StationRow>& Rows() const { return rows_; }

 private:
  std::vector<StationRow> rows_;
};

}  // namespace vorn
