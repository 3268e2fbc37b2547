#pragma once

// The list view in memory: its rows (sorted by text as the system's view
// sorts them), selection, scrolling and key navigation.

#include <optional>
#include <vector>

#include "platform/list_rows.h"
#include "platform/sim/sim_controls.h"

namespace vorn {

class SimListView : public SimControl<ListView> {
 public:
  // Rows a page key moves the selection by, and rows in sight.
  static constexpr std::size_t kPageRows = 10;

  SimListView(SimParent& parent, const std::vector<ListColumn>& columns);

  std::size_t Count() const override { return rows_.Count(); }
  const StationRow& Row(std::size_t index) const override { return rows_.At(index); }
  void Append(const StationRow& row) override;
  void Replace(std::size_t index, const StationRow& row) override;
  void Remove(std::size_t index) override;
  void Clear() override;
  std::optional<std::size_t> Selected() const override { return rows_.Selected(); }
  void Select(std::optional<std::size_t> index) override;
  void ScrollIntoView(std::size_t index) override;
  void SetSelectionAlwaysShown(bool shown) override { selection_always_shown_ = shown; }
  void SetFocus() override { TakeFocus(); }
  bool Focused() const override { return HasFocus(); }
  void SetPopupMenu(PopupMenu* menu) override { popup_ = menu; }
  bool Sorted() const override { return rows_.Sorted(); }
  void SetSorted(bool sorted) override;
  void BeginUpdate() override { rows_.BeginUpdate(); }
  void EndUpdate() override;
  Rect Bounds() const override;
  Rect PixelBounds() const override;

  // The user clicks a row (focus, selection, then OnClick), or the empty space
  // below the rows, which clears the selection.
  void ClickRow(std::size_t index);
  void ClickEmpty();
  // The user presses and releases a key while the view has the focus: the
  // form's key-down handler, which may consume it, then OnKeyDown;
  // navigation keys move the selection as the real view does, then OnKeyUp.
  void PressKey(VirtualKey key, ShiftState shift = {});
  // Only the release, OnKeyUp.
  void KeyUp(VirtualKey key);
  // The system asks for the context menu at a screen position: the popup menu, if any.
  void RightClick(Point at);

  bool KeyPressed(VirtualKey key, ShiftState shift) override;
  void KeyReleased(VirtualKey key) override;

  const std::vector<ListColumn>& Columns() const { return columns_; }
  PopupMenu* AttachedPopupMenu() const { return popup_; }
  // How often the view would have been redrawn.
  std::size_t Repaints() const { return repaints_; }
  // The first of the kPageRows rows in sight.
  std::size_t TopRow() const { return top_row_; }
  bool SelectionAlwaysShown() const { return selection_always_shown_; }

 private:
  bool TabStop() const override { return true; }
  void Changed();

  std::vector<ListColumn> columns_;
  ListRows rows_;
  PopupMenu* popup_ = nullptr;
  std::size_t repaints_ = 0;
  bool changed_while_updating_ = false;
  std::size_t top_row_ = 0;
  bool selection_always_shown_ = false;
  // The row the keys move from: the selected one, or the one last selected
  // when a click below the rows took the selection away.
  std::optional<std::size_t> caret_;
};

}  // namespace vorn
