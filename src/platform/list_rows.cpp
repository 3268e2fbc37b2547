#include "platform/list_rows.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

namespace vorn {

const StationRow& ListRows::At(std::size_t index) const {
  Settle();
  return rows_.at(index);
}

std::size_t ListRows::Append(StationRow row) {
  if (!sorted_) {
    rows_.push_back(std::move(row));
    return rows_.size() - 1;
  }
  if (updates_ > 0) {
    if (!unplaced_) unplaced_ = rows_.size();
    rows_.push_back(std::move(row));
    return rows_.size() - 1;
  }
  Settle();
  const auto at = std::upper_bound(rows_.begin(), rows_.end(), row,
                                   [this](const StationRow& a, const StationRow& b) {
                                     return compare_(a.Frequency, b.Frequency) < 0;
                                   });
  const auto index = static_cast<std::size_t>(at - rows_.begin());
  rows_.insert(at, std::move(row));
  if (selected_ && *selected_ >= index) ++*selected_;
  return index;
}

std::size_t ListRows::Replace(std::size_t index, StationRow row) {
  Settle();
  if (index >= rows_.size()) throw std::out_of_range("list row index");
  const auto before = [this](const StationRow& a, const StationRow& b) {
    return compare_(a.Frequency, b.Frequency) < 0;
  };
  // A row that still sorts where it stands stays there, also among equal captions.
  const bool in_place = !sorted_ || ((index == 0 || !before(row, rows_[index - 1])) &&
                                     (index + 1 == rows_.size() || !before(rows_[index + 1], row)));
  if (in_place) {
    rows_[index] = std::move(row);
    return index;
  }
  const bool was_selected = selected_ == index;
  Remove(index);
  const std::size_t placed = Append(std::move(row));
  if (was_selected) selected_ = placed;
  return placed;
}

void ListRows::Remove(std::size_t index) {
  Settle();
  if (index >= rows_.size()) throw std::out_of_range("list row index");
  rows_.erase(rows_.begin() + static_cast<std::ptrdiff_t>(index));
  if (selected_) {
    if (*selected_ == index)
      selected_.reset();
    else if (*selected_ > index)
      --*selected_;
  }
}

void ListRows::Clear() {
  rows_.clear();
  selected_.reset();
  unplaced_.reset();
}

std::optional<std::size_t> ListRows::Selected() const {
  Settle();
  return selected_;
}

void ListRows::Select(std::optional<std::size_t> index) {
  Settle();
  selected_ = index && *index < rows_.size() ? index : std::nullopt;
}

void ListRows::SetSorted(bool sorted) {
  Settle();
  if (sorted && !sorted_) unplaced_ = 0;
  sorted_ = sorted;
  Settle();
}

bool ListRows::EndUpdate() {
  if (updates_ == 0) return false;
  if (--updates_ > 0) return false;
  Settle();
  return true;
}

void ListRows::Settle() const {
  if (!unplaced_) return;
  unplaced_.reset();
  // Sorting an order of indices keeps track of the selected row.
  std::vector<std::size_t> order(rows_.size());
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
    return compare_(rows_[a].Frequency, rows_[b].Frequency) < 0;
  });
  std::vector<StationRow> sorted;
  sorted.reserve(rows_.size());
  std::optional<std::size_t> selected;
  for (std::size_t i = 0; i < order.size(); ++i) {
    if (selected_ && order[i] == *selected_) selected = i;
    sorted.push_back(std::move(rows_[order[i]]));
  }
  rows_ = std::move(sorted);
  selected_ = selected;
}

}  // namespace vorn
