#include "ui/find_box.h"

#include "platform/dpi_scale.h"
#include "stations/row_finder.h"

namespace vorn {

namespace {
constexpr VirtualKey kF3 = 114;
}  // namespace

TFindBox::TFindBox(Toolkit& toolkit, Form& owner, ListView& list)
    : owner_(owner), list_(list), window_(toolkit.CreateToolWindow(owner)) {
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
  // Designed places inside the main window, scaled as its controls are.
  const auto scaled = [&](int designed) { return ScaleDpi(designed, kDesignDpi, owner_.Dpi()); };
  const Rect main = owner_.Bounds();
  Rect placed = window_->Bounds();
  placed.Left = main.Left + main.Width - placed.Width - scaled(16);
  placed.Top = main.Top + scaled(list_.Bounds().Top + 60);
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
