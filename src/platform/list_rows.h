#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/station_rows.h"

namespace vorn {

// The rows of a list view in display order, with its selection and its sorting by
// caption. Both toolkits keep their rows here and differ only in the comparison.
// While an update is open, rows appended to a sorted list are placed when the
// update ends (or when the rows are next read), in one sort instead of one
// insertion each; the result is the same as placing each row at once.
class ListRows {
 public:
  // Negative, zero or positive as the first caption sorts before, with or after
  // the second.
  using Compare = int (*)(const std::string&, const std::string&);

  explicit ListRows(Compare compare) : compare_(compare) {}

  std::size_t Count() const { return rows_.size(); }
  // Throws std::out_of_range for an index beyond the rows.
  const StationRow& At(std::size_t index) const;
  // Returns the index the row took; a sorted list places it after equal captions.
  std::size_t Append(StationRow row);
  // Returns the index the row took. A sorted list moves it only when its
  // caption no longer sorts where it stands, and then as an append places it;
  // the selection stays on it. Throws std::out_of_range for an index beyond
  // the rows.
  std::size_t Replace(std::size_t index, StationRow row);
  // The selection stays on its row; removing the selected row leaves none.
  void Remove(std::size_t index);
  void Clear();

  std::optional<std::size_t> Selected() const;
  // An index beyond the rows selects nothing.
  void Select(std::optional<std::size_t> index);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);

  void BeginUpdate() { ++updates_; }
  // True when this ended the outermost update.
  bool EndUpdate();
  bool Updating() const { return updates_ > 0; }

 private:
  void Settle() const;

  Compare compare_;
  mutable std::vector<StationRow> rows_;
  mutable std::optional<std::size_t> selected_;
  // Rows from this index on were appended to a sorted list and await their place.
  mutable std::optional<std::size_t> unplaced_;
  bool sorted_ = false;
  int updates_ = 0;
};

}  // namespace vorn
