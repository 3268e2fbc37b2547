#include "platform/sim/sim_list_view.h"

#include <algorithm>

#include "platform/dpi_scale.h"
#include "platform/raise.h"
#include "platform/sim/ansi_compare.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/sim/sim_toolkit.h"

namespace vorn {

using namespace sim_keys;

SimListView::SimListView(SimParent& parent, const std::vector<ListColumn>& columns)
    : SimControl(parent, {}), columns_(columns), rows_(AnsiCompare) {}

void SimListView::Append(const StationRow& row) {
  rows_.Append(row);
  Changed();
}

void SimListView::Replace(std::size_t index, const StationRow& row) {
  rows_.Replace(index, row);
  Changed();
}

void SimListView::Remove(std::size_t index) {
  rows_.Remove(index);
  Changed();
}

void SimListView::Clear() {
  rows_.Clear();
  Changed();
}

void SimListView::Select(std::optional<std::size_t> index) {
  rows_.Select(index);
  caret_ = rows_.Selected();
  Changed();
}

void SimListView::ScrollIntoView(std::size_t index) {
  if (index < top_row_)
    top_row_ = index;
  else if (index >= top_row_ + kPageRows)
    top_row_ = index - kPageRows + 1;
}

void SimListView::SetSorted(bool sorted) {
  rows_.SetSorted(sorted);
  Changed();
}

void SimListView::EndUpdate() {
  if (rows_.EndUpdate() && changed_while_updating_) {
    changed_while_updating_ = false;
    ++repaints_;
  }
}

Rect SimListView::PixelBounds() const {
  return dynamic_cast<SimForm&>(OwnerWindow()).MiddlePixels();
}

Rect SimListView::Bounds() const {
  return ScaleDpi(PixelBounds(), WindowDpi(), kDesignDpi);
}

void SimListView::Changed() {
  if (rows_.Selected())
    caret_ = rows_.Selected();
  else if (caret_ && *caret_ >= rows_.Count())
    caret_.reset();
  if (rows_.Updating())
    changed_while_updating_ = true;
  else
    ++repaints_;
}

void SimListView::ClickRow(std::size_t index) {
  if (index >= Count()) throw std::out_of_range("no such row to click");
  Kit().UserAction([this, index] {
    TakeFocus();
    Select(index);
    Raise(Kit().App(), OnClick);
  });
}

void SimListView::ClickEmpty() {
  Kit().UserAction([this] {
    TakeFocus();
    rows_.Select(std::nullopt);
    Changed();
    Raise(Kit().App(), OnClick);
  });
}

void SimListView::PressKey(VirtualKey key, ShiftState shift) {
  Kit().Keystroke(key, shift, this);
}

void SimListView::KeyUp(VirtualKey key) {
  Kit().UserAction([this, key] { KeyReleased(key); });
}

bool SimListView::KeyPressed(VirtualKey key, ShiftState) {
  Raise(Kit().App(), OnKeyDown, key);
  const std::size_t count = Count();
  if (count == 0) return false;
  const std::optional<std::size_t> current = caret_;
  std::optional<std::size_t> next = current;
  switch (key) {
    case kUp:
      next = current ? (*current > 0 ? *current - 1 : 0) : 0;
      break;
    case kDown:
      next = current ? std::min(*current + 1, count - 1) : 0;
      break;
    case kHome:
      next = 0;
      break;
    case kEnd:
      next = count - 1;
      break;
    case kPageUp:
      next = current && *current > kPageRows ? *current - kPageRows : 0;
      break;
    case kPageDown:
      next = std::min(current.value_or(0) + kPageRows, count - 1);
      break;
    default:
      break;
  }
  if (next != Selected()) {
    Select(next);
    ScrollIntoView(*next);
  }
  return false;
}

void SimListView::KeyReleased(VirtualKey key) {
  Raise(Kit().App(), OnKeyUp, key);
}

void SimListView::RightClick(Point at) {
  Kit().UserAction([this, at] {
    if (popup_) popup_->Popup(at);
  });
}

}  // namespace vorn
