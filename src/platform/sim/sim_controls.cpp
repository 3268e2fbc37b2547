#include "platform/sim/sim_controls.h"

#include "platform/dpi_scale.h"
#include "platform/raise.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/sim/sim_toolkit.h"

namespace vorn {

using namespace sim_keys;

SimToolkit& SimWidget::Kit() const {
  return OwnerWindow().Kit();
}

void SimWidget::TakeFocus() {
  if (Showing()) OwnerWindow().Focus(this);
}

bool SimWidget::HasFocus() const {
  const SimWindow& window = OwnerWindow();
  return window.FocusedWidget() == this && window.Active() && Showing();
}

int SimWidget::WindowDpi() const {
  return OwnerWindow().WindowDpi();
}

Rect SimWidget::PixelBounds() const {
  return ScaleDpi(bounds_, kDesignDpi, WindowDpi());
}

Rect SimWidget::ScreenBounds() const {
  const Rect pixels = PixelBounds();
  const Point origin = parent_.ClientOrigin();
  return {origin.X + pixels.Left, origin.Y + pixels.Top, pixels.Width, pixels.Height};
}

SimLabel::SimLabel(SimParent& parent, Point at, const std::string& caption)
    : SimControl(parent, {at.X, at.Y, 0, 0}), caption_(caption) {
  Fit();
}

void SimLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  Fit();
}

void SimLabel::SetBoldFont(int height) {
  bold_height_ = height;
  Fit();
}

void SimLabel::Fit() {
  // A plausible size; the real label measures its text.
  const int char_width = bold_height_ ? 7 : 6;
  bounds_.Width = static_cast<int>(caption_.size()) * char_width;
  bounds_.Height = bold_height_ ? -bold_height_ + 3 : Container::kLabelHeight;
}

bool SimTextField::SetText(const std::string& text) {
  const bool changed = text != text_;
  text_ = text;
  sel_start_ = 0;
  sel_length_ = 0;
  return changed;
}

void SimTextField::SelectAll() {
  sel_start_ = 0;
  sel_length_ = text_.size();
}

bool SimTextField::Type(char key) {
  if (key == '\b') {
    if (sel_length_ == 0 && sel_start_ > 0) {
      --sel_start_;
      sel_length_ = 1;
    }
    const bool erases = sel_length_ > 0;
    text_.erase(sel_start_, sel_length_);
    sel_length_ = 0;
    return erases;
  }
  // Other control characters (Enter, Esc, Tab, the clipboard keys) change nothing here.
  if (static_cast<unsigned char>(key) < 32) return false;
  text_.replace(sel_start_, sel_length_, 1, key);
  ++sel_start_;
  sel_length_ = 0;
  return true;
}

bool SimTextField::DeleteKey() {
  if (sel_length_ == 0 && sel_start_ < text_.size()) sel_length_ = 1;
  const bool erases = sel_length_ > 0;
  text_.erase(sel_start_, sel_length_);
  sel_length_ = 0;
  return erases;
}

void SimEdit::SetText(const std::string& text) {
  field_.SetText(text);
  // The system's edit reports every setting of its text, even to the same.
  Changed();
}

void SimEdit::Changed() {
  Raise(Kit().App(), OnChange);
}

void SimEdit::Type(char key) {
  ShiftState shift;
  const VirtualKey pressed = SimKeyOf(key, shift);
  if (pressed != 0) {
    Kit().Keystroke(pressed, shift, this, key);
    return;
  }
  // A character no key types arrives alone.
  Kit().UserAction([this, key] { Kit().Post([this, key] { Character(key); }); });
}

void SimEdit::Type(const std::string& keys) {
  for (char key : keys) Type(key);
}

bool SimEdit::PressKey(VirtualKey key, ShiftState shift) {
  return Kit().Keystroke(key, shift, this);
}

void SimEdit::DoubleClick() {
  Kit().UserAction([this] {
    TakeFocus();
    Raise(Kit().App(), OnDblClick);
  });
}

bool SimEdit::KeyPressed(VirtualKey key, ShiftState shift) {
  VirtualKey pressed = key;
  // A failed handler drops the key, as a consumed one. Only a consumed key is
  // kept from the edit: a handler's other value is not a key the user pressed.
  if (!Raise(Kit().App(), OnKeyDown, pressed, shift) || pressed == 0) return true;
  if (key == kDelete && !read_only_ && field_.DeleteKey()) Changed();
  return false;
}

void SimEdit::Character(char key) {
  char typed = key;
  // A failed handler drops the character, as a discarded one.
  if (!Raise(Kit().App(), OnKeyPress, typed) || typed == '\0' || read_only_) return;
  if (field_.Type(typed)) Changed();
}

void SimCheckBox::Click() {
  Kit().UserAction([this] {
    TakeFocus();
    checked_ = !checked_;
    Raise(Kit().App(), OnClick);
  });
}

bool SimComboBox::KeyPressed(VirtualKey key, ShiftState) {
  if (key == kDelete) field_.DeleteKey();
  return false;
}

}  // namespace vorn
