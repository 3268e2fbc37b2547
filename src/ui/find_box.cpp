#include "ui/find_box.h"

#include <algorithm>

#include "stations/row_finder.h"

namespace vorn {

namespace {
constexpr VirtualKey kF3 = 114;
}  // namespace

TFindBox::TFindBox(Toolkit& toolkit, Form& owner, ListView& list)
    : app_(toolkit.App()), owner_(owner), list_(list), window_(toolkit.CreateToolWindow(owner)) {
  window_->SetCaption("Find");
  window_->SetDesignedBounds({0, 0, kWidth, kHeight});
  EdtFind = &window_->AddEdit({8, 8, kWidth - 24, 21});
  EdtFind->OnChange = [this] { EdtFindChange(); };
  EdtFind->OnKeyDown = [this](VirtualKey& key, ShiftState shift) { EdtFindKeyDown(key, shift); };
  EdtFind->OnKeyPress = [this](char& key) { EdtFindKeyPress(key); };
  LblResult = &window_->AddLabel({8, 34}, "");
  window_->OnClose = [this] { Closed(); };
}

void TFindBox::Open() {
  const Rect main = owner_.Bounds();
  Rect placed = window_->Bounds();
  placed.Left = main.Left + main.Width - placed.Width;
  placed.Top = main.Top + main.Height;
  const auto fits = [&placed](const Rect& area) {
    return placed.Left >= area.Left && placed.Top >= area.Top &&
           placed.Left + placed.Width <= area.Left + area.Width &&
           placed.Top + placed.Height <= area.Top + area.Height;
  };
  const std::vector<Rect> areas = app_.MonitorWorkAreas();
  if (!areas.empty() && std::none_of(areas.begin(), areas.end(), fits))
    placed.Top = main.Top - placed.Height;
  window_->SetBounds(placed);
  list_.SetSelectionAlwaysShown(true);
  window_->Show();
  EdtFind->SetFocus();
  EdtFind->SelectAll();
}

void TFindBox::Hide() {
  if (!window_->Visible()) return;
  window_->Hide();
  list_.SetSelectionAlwaysShown(false);
}

void TFindBox::EdtFindChange() {
  FindFrom(0);
}

void TFindBox::EdtFindKeyDown(VirtualKey& key, ShiftState) {
  if (key != kF3) return;
  const auto selected = list_.Selected();
  FindFrom(selected ? *selected + 1 : 0);
  key = 0;
}

void TFindBox::EdtFindKeyPress(char& key) {
  if (key == '\r') {
    const auto selected = list_.Selected();
    FindFrom(selected ? *selected + 1 : 0);
    key = '\0';
  } else if (key == '\x1b') {
    key = '\0';
    Dismiss();
  }
}

void TFindBox::FindFrom(std::size_t start) {
  const std::string text = EdtFind->Text();
  const auto found = RowFinder(text).Find(list_, start);
  LblResult->SetCaption(found || text.empty() ? "" : "Not found");
  if (!found) return;
  list_.Select(found);
  list_.ScrollIntoView(*found);
}

void TFindBox::Dismiss() {
  Hide();
  Closed();
}

void TFindBox::Closed() {
  list_.SetSelectionAlwaysShown(false);
  owner_.BringToFront();
  list_.SetFocus();
}

}  // namespace vorn
