#pragma once

// The toolkit in memory. Tests build the real forms on it and drive them as a user
// would: type into an edit, press keys, click check boxes, menu items and list
// rows; they queue the answers of the next question boxes, file dialogs and modal
// dialogs, and read back every box that was shown. Every user action runs its
// handlers through the application's top-level handler, as the real message loop
// does, so a framework error ends up in the recorded error box.
//
// It behaves as the Win32 toolkit does (the toolkit's behaviour tests run on
// both): a keystroke goes down, types its character and comes up again, the
// character arriving as a message that the next loop to run handles; the form
// sees keys before its controls; a dialog takes Tab, Enter and Esc; windows
// scale their client area by their DPI inside a frame of the system's.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/list_rows.h"
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

class SimMenuItem : public MenuItem {
 public:
  explicit SimMenuItem(std::string caption, bool submenu = false)
      : caption_(std::move(caption)), submenu_(submenu) {}
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override;
  MenuItem& AddSubmenu(const std::string& caption) override;
  void AddSeparator() override;
  std::size_t Count() const override { return items_.size(); }
  MenuItem& Item(std::size_t index) override { return *items_.at(index); }
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  bool Default() const override { return default_; }
  void SetDefault(bool is_default) override { default_ = is_default; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void Click() override;
  // The captions in menu order, a separator as "-".
  std::vector<std::string> Layout() const;

 private:
  std::string caption_;
  bool submenu_;
  // For each separator, how many items stand before it.
  std::vector<std::size_t> separators_;
  bool default_ = false;
  bool checked_ = false;
  std::vector<std::unique_ptr<SimMenuItem>> items_;
};

// A menu bar or the items of a popup menu.
class SimMenu : public MenuItems {
 public:
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override;
  MenuItem& AddSubmenu(const std::string& caption) override;
  void AddSeparator() override { root_.AddSeparator(); }
  std::size_t Count() const override { return root_.Count(); }
  MenuItem& Item(std::size_t index) override { return root_.Item(index); }
  std::vector<std::string> Layout() const { return root_.Layout(); }

 private:
  SimMenuItem root_{"", true};
};

class SimPopupMenu : public PopupMenu {
 public:
  explicit SimPopupMenu(SimToolkit& kit) : kit_(kit) {}
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override {
    return items_.Add(caption, std::move(on_click));
  }
  MenuItem& AddSubmenu(const std::string& caption) override { return items_.AddSubmenu(caption); }
  void AddSeparator() override { items_.AddSeparator(); }
  std::size_t Count() const override { return items_.Count(); }
  MenuItem& Item(std::size_t index) override { return items_.Item(index); }
  std::vector<std::string> Layout() const { return items_.Layout(); }
  // Records the position; clicks the item queued for this menu, or else for
  // the next popup menu (SimToolkit::ChooseInNextPopup), if any.
  void Popup(Point at) override;

  // The user will choose the item with this caption when the menu next pops up.
  void ChooseOnNextPopup(const std::string& caption) { choices_.push_back(caption); }
  const std::vector<Point>& PopupPositions() const { return positions_; }

 private:
  SimToolkit& kit_;
  SimMenu items_;
  std::deque<std::string> choices_;
  std::vector<Point> positions_;
};

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

class SimForm;

class SimPanel : public SimContainer<Panel>, public SimWidget, public SimParent {
 public:
  SimPanel(SimForm& form, Dock dock, int height);
  Rect Bounds() const override;
  Rect PixelBounds() const override;
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  int Height() const override { return height_; }
  Dock Docked() const { return dock_; }

  SimWindow& HostWindow() override { return OwnerWindow(); }
  bool HostShowing() const override { return Showing(); }
  Point ClientOrigin() const override;
  void CollectTabStops(std::vector<SimWidget*>& out) override { CollectChildTabStops(out); }

 private:
  SimParent& AsParent() override { return *this; }
  SimForm& form_;
  Dock dock_;
  int height_;
};

// What forms and dialogs share: caption, bounds, DPI, visibility and the focus.
class SimWindow : public SimParent {
 public:
  // The frame the sim pretends the system draws around the client area, in
  // pixels at 96 DPI; at another DPI they scale.
  static constexpr int kFrame = 4;
  static constexpr int kCaptionBar = 19;
  static constexpr int kMenuBar = 19;

  explicit SimWindow(SimToolkit& kit);
  ~SimWindow() override;

  SimToolkit& Kit() const { return kit_; }
  SimWindow& HostWindow() override { return *this; }
  bool HostShowing() const override { return visible_; }
  Point ClientOrigin() const override;
  bool Active() const;
  SimWidget* FocusedWidget() const { return focused_; }
  int WindowDpi() const { return dpi_; }

  // Called by widgets.
  void Focus(SimWidget* widget);

  // The client area in the window's own pixels.
  Rect ClientPixels() const;
  // Window bounds whose client area is the designed one's, scaled to `dpi`,
  // inside the frame at that DPI.
  Rect DesignedAt(const Rect& designed, int dpi) const;
  // The system moved the window to a screen of another DPI, suggesting bounds.
  void MoveToDpi(int dpi, const Rect& suggested);
  // The bounds the system suggests for a move to `dpi`: the same top left
  // corner, the client area scaled, the frame at the new DPI.
  Rect SuggestedAt(int dpi) const;

  // A key for this window (its focused widget, or the dialog itself); true
  // when the window took it, so that the control does not see it.
  virtual bool WindowKey(VirtualKey /*key*/, ShiftState /*shift*/) { return false; }
  // The form's look at a key before its control gets it; true when consumed.
  virtual bool PreviewKey(VirtualKey /*key*/, ShiftState /*shift*/) { return false; }

 protected:
  // Activates the window and gives the focus back to the control that had it,
  // or to the first one in tab order.
  void Activate();
  std::vector<SimWidget*> ShownTabStops();
  virtual void CollectTabStopsOfWindow(std::vector<SimWidget*>& out) = 0;
  virtual bool HasMenuBar() const { return false; }
  int Frame(int dpi) const;
  // The caption bar and the menu bar, if any, above the client area.
  int CaptionAndMenu(int dpi) const;

  SimToolkit& kit_;
  std::string caption_;
  Rect bounds_;
  int dpi_;
  bool visible_ = false;
  WindowHandle handle_;
  SimWidget* focused_ = nullptr;
};

// Caption, bounds and visibility of a window in memory.
template <class Base>
class SimTopLevel : public SimContainer<Base>, public SimWindow {
 public:
  explicit SimTopLevel(SimToolkit& kit) : SimWindow(kit) {}

  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  Rect Bounds() const override { return bounds_; }
  void SetBounds(const Rect& bounds) override { bounds_ = bounds; }
  void SetDesignedBounds(const Rect& bounds) override { bounds_ = DesignedAt(bounds, dpi_); }
  int Dpi() const override { return dpi_; }
  bool Visible() const override { return visible_; }
  WindowHandle Handle() const override { return handle_; }

 private:
  SimParent& AsParent() override { return *this; }
  void CollectTabStopsOfWindow(std::vector<SimWidget*>& out) override {
    this->CollectChildTabStops(out);
  }
};

class SimForm : public SimTopLevel<Form> {
 public:
  explicit SimForm(SimToolkit& kit);

  Panel& AddPanel(Dock dock, int height) override;
  ListView& AddListView(const std::vector<ListColumn>& columns) override;
  MenuItems& Menu() override { return menu_; }
  PopupMenu& AddPopupMenu() override;

  void Show() override;
  void Hide() override;
  void BringToFront() override;
  bool IsActiveWindow() const override { return Active(); }
  void Close() override;

  // The system asks the form to close (its close message), as the Close commands do.
  void RequestClose();
  // The session is ending: the form's answer, false when it objects or fails.
  bool QueryEndSession();
  // The system announces changed settings.
  void SettingChange();
  bool Closed() const { return closed_; }

  bool PreviewKey(VirtualKey key, ShiftState shift) override;

  // The popup menus, in the order they were added.
  std::vector<SimPopupMenu*> PopupMenus() const;

  // In the form's client area, in its pixels.
  Rect PanelPixels(const SimPanel& panel) const;
  // The space between the panels.
  Rect MiddlePixels() const;

 private:
  bool HasMenuBar() const override { return menu_.Count() > 0; }

  std::vector<SimPanel*> panels_;
  SimMenu menu_;
  std::vector<std::unique_ptr<SimPopupMenu>> popups_;
  bool closed_ = false;
};

class SimDialog : public SimTopLevel<Dialog> {
 public:
  SimDialog(SimToolkit& kit, SimForm& owner);

  // Shown and active while the test's queued answer runs.
  ModalResult ShowModal() override;

  // The edits' and combo boxes' texts, in tab order.
  std::vector<std::string> FieldTexts() const;
  void SetFieldTexts(const std::vector<std::string>& texts);
  // The user clicks its close button.
  void RequestClose() { result_ = ModalResult::Cancel; }
  // What the user's input has decided so far; None while it is open.
  ModalResult Result() const { return result_; }

  // Tab, Enter and Esc are the dialog's.
  bool WindowKey(VirtualKey key, ShiftState shift) override;

 private:
  std::vector<SimWidget*> Fields() const;

  SimForm& owner_;
  ModalResult result_ = ModalResult::None;
};

class SimToolWindow : public SimTopLevel<ToolWindow> {
 public:
  SimToolWindow(SimToolkit& kit, SimForm& owner);

  void Show() override;
  void Hide() override;

  // The user clicks its close button.
  void RequestClose();
  SimForm& Owner() const { return owner_; }

 private:
  SimForm& owner_;
};

class SimFileDialog : public FileDialog {
 public:
  SimFileDialog(SimToolkit& kit, FileDialogKind kind, const FileDialogOptions& options)
      : FileDialog(kind, options), kit_(kit) {}
  std::string Execute() override;

 private:
  SimToolkit& kit_;
};

class SimApplication : public Application {
 public:
  SimApplication(SimToolkit& kit, std::string exe_path);

  std::string Title() const override;
  IconHandle Icon() const override { return kIcon; }
  bool ShowMainForm() const override { return show_main_form_; }
  void SetShowMainForm(bool show) override { show_main_form_ = show; }
  // Shows the main form unless told not to, and returns: the test then drives it.
  void Run(Form& main_form) override;
  void Terminate() override { terminated_ = true; }
  bool Terminated() const override { return terminated_; }
  Answer ShowBox(BoxKind kind, const std::string& text, const std::string& caption) override;

  std::vector<Rect> MonitorWorkAreas() const override { return work_areas_; }

  bool Running() const { return running_; }
  Form* MainForm() const { return main_form_; }
  void SetMonitorWorkAreas(std::vector<Rect> areas) { work_areas_ = std::move(areas); }

  static constexpr IconHandle kIcon = 0x1C0;

 private:
  SimToolkit& kit_;
  std::string exe_path_;
  bool show_main_form_ = true;
  bool terminated_ = false;
  bool running_ = false;
  Form* main_form_ = nullptr;
  std::vector<Rect> work_areas_ = {{0, 0, 1280, 984}};
};

struct SimBox {
  BoxKind Kind;
  std::string Text;
  std::string Caption;
  bool operator==(const SimBox&) const = default;
};

struct SimFileDialogShown {
  FileDialogKind Kind;
  std::string InitialDir;
  std::string Filter;
  std::string DefaultExt;
};

struct SimDialogShown {
  std::string Caption;
  Rect Bounds;
  // The fields as they were when the dialog came up.
  std::vector<std::string> Fields;
};

class SimToolkit : public Toolkit {
 public:
  explicit SimToolkit(std::string exe_path = "C:\\Vorn\\VORN.EXE");
  ~SimToolkit() override;

  Application& App() override { return app_; }
  SimApplication& SimApp() { return app_; }
  std::unique_ptr<Form> CreateForm() override;
  std::unique_ptr<Dialog> CreateModalDialog(Form& owner) override;
  std::unique_ptr<ToolWindow> CreateToolWindow(Form& owner) override;
  std::unique_ptr<FileDialog> CreateFileDialog(FileDialogKind kind,
                                               const FileDialogOptions& options) override;

  // Every box shown, in order.
  const std::vector<SimBox>& Boxes() const { return boxes_; }
  void ClearBoxes() { boxes_.clear(); }
  // The answers of the next question boxes; with none queued a question is cancelled.
  void AnswerNextQuestion(Answer answer) {
    answers_.push_back([answer] { return answer; });
  }
  // The answer is given by running `answer` while the box is open.
  void AnswerNextQuestion(std::function<Answer()> answer) { answers_.push_back(std::move(answer)); }
  // Answers every box instead of the queue above (questions and others alike).
  void AnswerBoxesWith(std::function<Answer(const SimBox&)> answerer) {
    box_answerer_ = std::move(answerer);
  }

  // The file the next file dialog returns; empty cancels it (as does an empty queue).
  void PickNextFile(const std::string& path) { files_.push_back(path); }
  const std::vector<SimFileDialogShown>& FileDialogsShown() const { return file_dialogs_; }

  // How the next modal dialog is answered: the field texts (in tab order, as many
  // as given) are set, then the dialog closes with the result. With none
  // queued a dialog is cancelled.
  void AnswerNextDialog(ModalResult result, std::vector<std::string> field_texts = {});
  void AnswerNextDialog(std::function<ModalResult(SimDialog&)> answer) {
    dialog_answers_.push_back(std::move(answer));
  }
  const std::vector<SimDialogShown>& DialogsShown() const { return dialogs_; }

  // The user chooses a menu item, or the item at the end of a path of captions.
  void Choose(MenuItem& item);
  void Choose(MenuItems& menu, const std::vector<std::string>& path);
  // The next popup menu that opens without a choice of its own: the item with
  // this caption, or none when empty.
  void ChooseInNextPopup(const std::string& caption) { popup_choices_.push_back(caption); }
  // Where every popup menu opened.
  const std::vector<Point>& PopupPositions() const { return popup_positions_; }
  // Another program becomes the active one.
  void ActivateOtherProgram() { active_ = nullptr; }
  // The screen's dots per inch, 96 unless a test sets another; windows take it
  // when they are made.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi; }

  // The user presses and releases a key: it goes to `target` (the focused
  // widget of the active window when null), through the window's own keys
  // and the form's look at it; the character it types (`typed`, or the
  // key's own) follows as a message, and the release after that. True when
  // the window, the form or the control's handler consumed the key.
  bool Keystroke(VirtualKey key, ShiftState shift = {}, SimWidget* target = nullptr,
                 std::optional<char> typed = std::nullopt);
  // The key that types a character on a US keyboard, with its shift state; 0
  // when no key does.
  static VirtualKey KeyOf(char c, ShiftState& shift);
  // The character a key types; nothing for keys that type none.
  static std::optional<char> CharacterOf(VirtualKey key, ShiftState shift);

  // Runs a user action as the message loop would: errors go to the error box,
  // and the messages it posted are handled after it.
  void UserAction(const std::function<void()>& action);
  // Queues a message; a loop that runs next (the program's, or a modal
  // one's as it starts) handles it.
  void Post(std::function<void()> message) { posted_.push_back(std::move(message)); }
  void HandlePosted();

  // Used by the sim widgets.
  void NotePopup(Point at) { popup_positions_.push_back(at); }
  std::optional<std::string> NextPopupChoice();
  SimWindow* ActiveWindow() const { return active_; }
  void SetActiveWindow(SimWindow* window) { active_ = window; }
  void Remember(SimWindow* window) { windows_.push_back(window); }
  void Forget(SimWindow* window);
  // Every window that lives, in the order they were made.
  const std::vector<SimWindow*>& Windows() const { return windows_; }
  WindowHandle NewHandle() { return next_handle_ += 4; }
  Answer NextAnswer(const SimBox& box);
  std::string NextFile(const SimFileDialogShown& shown);
  ModalResult NextDialogResult(SimDialog& dialog);
  void RecordBox(const SimBox& box) { boxes_.push_back(box); }

 private:
  SimApplication app_;
  std::vector<SimBox> boxes_;
  std::deque<std::function<Answer()>> answers_;
  std::function<Answer(const SimBox&)> box_answerer_;
  std::deque<std::string> files_;
  std::vector<SimFileDialogShown> file_dialogs_;
  std::deque<std::function<ModalResult(SimDialog&)>> dialog_answers_;
  std::vector<SimDialogShown> dialogs_;
  std::deque<std::string> popup_choices_;
  std::vector<Point> popup_positions_;
  std::deque<std::function<void()>> posted_;
  SimWindow* active_ = nullptr;
  std::vector<SimWindow*> windows_;
  int dpi_ = 96;
  WindowHandle next_handle_ = 0x5000;
};

// The sim side of a toolkit object, for tests that hold the interface.
SimForm& AsSim(Form& form);
SimDialog& AsSim(Dialog& dialog);
SimEdit& AsSim(Edit& edit);
SimCheckBox& AsSim(CheckBox& box);
SimLabel& AsSim(Label& label);
SimComboBox& AsSim(ComboBox& box);
SimListView& AsSim(ListView& view);
SimPopupMenu& AsSim(PopupMenu& menu);
SimToolWindow& AsSim(ToolWindow& window);
SimWindow& AsSimWindow(Window& window);

}  // namespace vorn
