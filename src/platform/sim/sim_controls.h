#pragma once

// The controls in memory: labels, edits, check boxes, combo boxes and push
// buttons, what every one of them has (its parent, bounds, focus and keys),
// and the containers that create and own them.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace vorn {

class SimToolkit;
class SimWindow;

// Where a widget lives: the window it belongs to, whether its parents are
// shown, and where its parent's client area is.
class SimParent {
 public:
  virtual ~SimParent() = default;
  virtual SimWindow& HostWindow() = 0;
  virtual bool HostShowing() const = 0;
  // The top left corner of the client area on the screen.
  virtual Point ClientOrigin() const = 0;
};

// What every simulated control has besides its interface.
class SimWidget {
 public:
  SimWidget(SimParent& parent, const Rect& bounds) : parent_(parent), bounds_(bounds) {}
  virtual ~SimWidget() = default;

  // Shown itself and all its parents.
  bool Showing() const { return visible_ && parent_.HostShowing(); }
  SimWindow& OwnerWindow() const { return parent_.HostWindow(); }
  SimToolkit& Kit() const;
  // Appends the controls that Tab reaches, in tab order.
  virtual void CollectTabStops(std::vector<SimWidget*>& out) {
    if (TabStop()) out.push_back(this);
  }
  // In the parent's client area, in the screen's pixels; and on the screen.
  virtual Rect PixelBounds() const;
  Rect ScreenBounds() const;

  // What the widget does with a key that reaches it (true when its handler
  // consumed it), with its release, and with a typed character.
  virtual bool KeyPressed(VirtualKey /*key*/, ShiftState /*shift*/) { return false; }
  virtual void KeyReleased(VirtualKey /*key*/) {}
  virtual void Character(char /*key*/) {}
  // The dialog manager gave it the focus with Tab.
  virtual void TabbedInto() {}
  // A push button's modal result; None for anything else.
  virtual ModalResult ButtonResult() const { return ModalResult::None; }

 protected:
  virtual bool TabStop() const { return false; }
  void TakeFocus();
  bool HasFocus() const;
  int WindowDpi() const;

  SimParent& parent_;
  Rect bounds_;
  bool visible_ = true;
};

template <class Base>
class SimControl : public Base, public SimWidget {
 public:
  using SimWidget::SimWidget;
  Rect Bounds() const override { return bounds_; }
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
};

class SimLabel : public SimControl<Label> {
 public:
  SimLabel(SimParent& parent, Point at, const std::string& caption);
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override;
  void SetBoldFont(int height) override;
  // 0 for the window's normal font.
  int BoldHeight() const { return bold_height_; }

 private:
  void Fit();
  std::string caption_;
  int bold_height_ = 0;
};

// The text and selection of an edit field, as the system's edit keeps them.
class SimTextField {
 public:
  const std::string& Text() const { return text_; }
  // True when the text changed.
  bool SetText(const std::string& text);
  void SelectAll();
  bool Type(char key);
  bool DeleteKey();
  std::string SelectedText() const { return text_.substr(sel_start_, sel_length_); }

 private:
  std::string text_;
  std::size_t sel_start_ = 0;
  std::size_t sel_length_ = 0;
};

class SimEdit : public SimControl<Edit> {
 public:
  SimEdit(SimParent& parent, const Rect& bounds) : SimControl(parent, bounds) {}

  std::string Text() const override { return field_.Text(); }
  void SetText(const std::string& text) override;
  void SelectAll() override { field_.SelectAll(); }
  void SetFocus() override { TakeFocus(); }
  bool Focused() const override { return HasFocus(); }
  void SetReadOnly(bool read_only) override { read_only_ = read_only; }
  void SetBoldFont(int height) override { bold_height_ = height; }

  // The user types into this edit, key by key (see SimToolkit::Keystroke).
  void Type(char key);
  void Type(const std::string& keys);
  // The user presses and releases a key while this edit has the focus. True
  // when the form or the edit's own handler consumed it.
  bool PressKey(VirtualKey key, ShiftState shift = {});
  void DoubleClick();

  bool ReadOnly() const { return read_only_; }
  int BoldHeight() const { return bold_height_; }
  std::string SelectedText() const { return field_.SelectedText(); }

  bool KeyPressed(VirtualKey key, ShiftState shift) override;
  void Character(char key) override;
  void TabbedInto() override { field_.SelectAll(); }

 private:
  bool TabStop() const override { return true; }
  void Changed();

  SimTextField field_;
  bool read_only_ = false;
  int bold_height_ = 0;
};

class SimCheckBox : public SimControl<CheckBox> {
 public:
  SimCheckBox(SimParent& parent, const Rect& bounds, const std::string& caption)
      : SimControl(parent, bounds), caption_(caption) {}
  std::string Caption() const override { return caption_; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  // The user clicks the box: it takes the focus and toggles, then OnClick.
  void Click();

 private:
  bool TabStop() const override { return true; }
  std::string caption_;
  bool checked_ = false;
};

class SimComboBox : public SimControl<ComboBox> {
 public:
  SimComboBox(SimParent& parent, const Rect& bounds, const std::vector<std::string>& items)
      : SimControl(parent, bounds), items_(items) {}
  std::string Text() const override { return field_.Text(); }
  void SetText(const std::string& text) override { field_.SetText(text); }
  std::vector<std::string> Items() const override { return items_; }

  bool KeyPressed(VirtualKey key, ShiftState shift) override;
  void Character(char key) override { field_.Type(key); }
  void TabbedInto() override { field_.SelectAll(); }

 private:
  bool TabStop() const override { return true; }
  std::vector<std::string> items_;
  SimTextField field_;
};

class SimButton : public SimControl<Button> {
 public:
  SimButton(SimParent& parent, const Rect& bounds, const std::string& caption, ModalResult result)
      : SimControl(parent, bounds), caption_(caption), result_(result) {}
  std::string Caption() const override { return caption_; }
  ModalResult Result() const { return result_; }
  ModalResult ButtonResult() const override { return result_; }

 private:
  bool TabStop() const override { return true; }
  std::string caption_;
  ModalResult result_;
};

// Creates and owns the controls of a window or a panel.
template <class Base>
class SimContainer : public Base {
 public:
  Label& AddLabel(Point at, const std::string& caption) override {
    return Adopt(std::make_unique<SimLabel>(AsParent(), at, caption));
  }
  Edit& AddEdit(const Rect& bounds) override {
    return Adopt(std::make_unique<SimEdit>(AsParent(), bounds));
  }
  CheckBox& AddCheckBox(const Rect& bounds, const std::string& caption) override {
    return Adopt(std::make_unique<SimCheckBox>(AsParent(), bounds, caption));
  }
  ComboBox& AddComboBox(const Rect& bounds, const std::vector<std::string>& items) override {
    return Adopt(std::make_unique<SimComboBox>(AsParent(), bounds, items));
  }
  Button& AddButton(const Rect& bounds, const std::string& caption, ModalResult result) override {
    return Adopt(std::make_unique<SimButton>(AsParent(), bounds, caption, result));
  }

  const std::vector<std::unique_ptr<SimWidget>>& Children() const { return children_; }

 protected:
  virtual SimParent& AsParent() = 0;
  template <class T>
  T& Adopt(std::unique_ptr<T> widget) {
    T& result = *widget;
    children_.push_back(std::move(widget));
    return result;
  }
  void CollectChildTabStops(std::vector<SimWidget*>& out) const {
    for (auto& child : children_) child->CollectTabStops(out);
  }

  std::vector<std::unique_ptr<SimWidget>> children_;
};

}  // namespace vorn
