#pragma once

// The toolkit in memory. Tests build the real forms on it and drive them as a user
// would: type into an edit, press keys, click check boxes, menu items and list
// rows; they queue the answers of the next question boxes, file dialogs and modal
// dialogs, and read back every box that was shown. Every user action runs its
// handlers through the application's top-level handler, as the real message loop
// does, so a framework error ends up in the recorded error box.

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/list_rows.h"
#include "platform/toolkit.h"

namespace vorn {

class SimToolkit;
class SimWindow;

// Where a widget lives: the window it belongs to and whether its parents are shown.
class SimParent {
 public:
  virtual ~SimParent() = default;
  virtual SimWindow& HostWindow() = 0;
  virtual bool HostShowing() const = 0;
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

 protected:
  virtual bool TabStop() const { return false; }
  void TakeFocus();
  bool HasFocus() const;
  // The form's look at a key before the control gets it; true when consumed.
  bool PreviewKey(VirtualKey& key, ShiftState shift);

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

class SimEdit : public SimControl<Edit> {
 public:
  SimEdit(SimParent& parent, const Rect& bounds) : SimControl(parent, bounds) {}

  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override;
  void SelectAll() override;
  void SetFocus() override { TakeFocus(); }
  bool Focused() const override { return HasFocus(); }
  void SetReadOnly(bool read_only) override { read_only_ = read_only; }
  void SetBoldFont(int height) override { bold_height_ = height; }

  // The user types one character: the key-press handler, then the edit's own
  // editing (printable characters replace the selection, Backspace deletes).
  void Type(char key);
  void Type(const std::string& keys);
  // The user presses a key: the form's key-down handler, then the edit's. True
  // when one of them consumed the key.
  bool PressKey(VirtualKey key, ShiftState shift = {});
  void DoubleClick();

  bool ReadOnly() const { return read_only_; }
  int BoldHeight() const { return bold_height_; }
  std::string SelectedText() const { return text_.substr(sel_start_, sel_length_); }
  std::size_t CaretPosition() const { return sel_start_ + sel_length_; }

 private:
  bool TabStop() const override { return true; }
  void Insert(char key);
  void Changed();

  std::string text_;
  std::size_t sel_start_ = 0;
  std::size_t sel_length_ = 0;
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
  // The user clicks the box: it toggles, then OnClick.
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
  std::string Text() const override { return text_; }
  void SetText(const std::string& text) override { text_ = text; }
  std::vector<std::string> Items() const override { return items_; }

 private:
  bool TabStop() const override { return true; }
  std::vector<std::string> items_;
  std::string text_;
};

class SimButton : public SimControl<Button> {
 public:
  SimButton(SimParent& parent, const Rect& bounds, const std::string& caption, ModalResult result)
      : SimControl(parent, bounds), caption_(caption), result_(result) {}
  std::string Caption() const override { return caption_; }
  ModalResult Result() const { return result_; }

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
  std::size_t Count() const override { return items_.size(); }
  MenuItem& Item(std::size_t index) override { return *items_.at(index); }
  std::string Caption() const override { return caption_; }
  bool Default() const override { return default_; }
  void SetDefault(bool is_default) override { default_ = is_default; }
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override { checked_ = checked; }
  void Click() override;

 private:
  std::string caption_;
  bool submenu_;
  bool default_ = false;
  bool checked_ = false;
  std::vector<std::unique_ptr<SimMenuItem>> items_;
};

// A menu bar or the items of a popup menu.
class SimMenu : public MenuItems {
 public:
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override;
  MenuItem& AddSubmenu(const std::string& caption) override;
  std::size_t Count() const override { return root_.Count(); }
  MenuItem& Item(std::size_t index) override { return root_.Item(index); }

 private:
  SimMenuItem root_{"", true};
};

class SimPopupMenu : public PopupMenu {
 public:
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override {
    return items_.Add(caption, std::move(on_click));
  }
  MenuItem& AddSubmenu(const std::string& caption) override { return items_.AddSubmenu(caption); }
  std::size_t Count() const override { return items_.Count(); }
  MenuItem& Item(std::size_t index) override { return items_.Item(index); }
  // Records the position; clicks the item queued with ChooseOnNextPopup, if any.
  void Popup(Point at) override;

  // The user will choose the item with this caption when the menu next pops up.
  void ChooseOnNextPopup(const std::string& caption) { choices_.push_back(caption); }
  const std::vector<Point>& PopupPositions() const { return positions_; }

 private:
  SimMenu items_;
  std::deque<std::string> choices_;
  std::vector<Point> positions_;
};

class SimListView : public SimControl<ListView> {
 public:
  // Rows a page key moves the selection by.
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

  // The user clicks a row (focus, selection, then OnClick), or the empty space
  // below the rows, which clears the selection.
  void ClickRow(std::size_t index);
  void ClickEmpty();
  // The user presses and releases a key: the form's key-down handler, which
  // may consume it, then OnKeyDown; navigation keys move the selection as the
  // real view does, then OnKeyUp.
  void PressKey(VirtualKey key, ShiftState shift = {});
  // Only the release, OnKeyUp.
  void KeyUp(VirtualKey key);
  // The user right-clicks at a screen position: the popup menu, if any.
  void RightClick(Point at);

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
  bool Visible() const override { return visible_; }
  void SetVisible(bool visible) override { visible_ = visible; }
  int Height() const override { return height_; }
  Dock Docked() const { return dock_; }

  SimWindow& HostWindow() override { return OwnerWindow(); }
  bool HostShowing() const override { return Showing(); }
  void CollectTabStops(std::vector<SimWidget*>& out) override { CollectChildTabStops(out); }

 private:
  SimParent& AsParent() override { return *this; }
  SimForm& form_;
  Dock dock_;
  int height_;
};

// What forms and dialogs share: caption, bounds, visibility and the focus.
class SimWindow : public SimParent {
 public:
  // The frame the sim pretends the system draws around the client area.
  static constexpr int kFrame = 4;
  static constexpr int kCaptionBar = 19;
  static constexpr int kMenuBar = 19;

  explicit SimWindow(SimToolkit& kit);
  ~SimWindow() override;

  SimToolkit& Kit() const { return kit_; }
  SimWindow& HostWindow() override { return *this; }
  bool HostShowing() const override { return visible_; }
  bool Active() const;
  SimWidget* FocusedWidget() const { return focused_; }

  // Called by widgets.
  void Focus(SimWidget* widget);

  int DpiOfScreen() const;
  // Designed window bounds at the screen's DPI. The sim lays out its controls in
  // designed pixels and scales the window whole, frame and all.
  Rect Designed(const Rect& bounds) const;

 protected:
  // Activates the window and gives the focus back to the control that had it,
  // or to the first one in tab order.
  void Activate();
  virtual void CollectTabStopsOfWindow(std::vector<SimWidget*>& out) = 0;

  SimToolkit& kit_;
  std::string caption_;
  Rect bounds_;
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
  void SetDesignedBounds(const Rect& bounds) override { bounds_ = Designed(bounds); }
  int Dpi() const override { return DpiOfScreen(); }
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

  // Client area in the form's coordinates.
  Rect ClientRect() const;
  Rect PanelBounds(const SimPanel& panel) const;
  // The space between the panels.
  Rect MiddleBounds() const;

 private:
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

 private:
  std::vector<SimWidget*> Fields() const;

  SimForm& owner_;
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
      : kit_(kit), kind_(kind), options_(options) {}
  std::string InitialDir() const override { return initial_dir_; }
  void SetInitialDir(const std::string& dir) override { initial_dir_ = dir; }
  std::string Execute() override;

 private:
  SimToolkit& kit_;
  FileDialogKind kind_;
  FileDialogOptions options_;
  std::string initial_dir_;
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
  std::size_t PendingAnswers() const { return answers_.size(); }

  // The file the next file dialog returns; empty cancels it (as does an empty queue).
  void PickNextFile(const std::string& path) { files_.push_back(path); }
  std::size_t PendingFiles() const { return files_.size(); }
  const std::vector<SimFileDialogShown>& FileDialogsShown() const { return file_dialogs_; }

  // How the next modal dialog is answered: the field texts (in tab order, as many
  // as given) are typed in, then the dialog closes with the result. With none
  // queued a dialog is cancelled.
  void AnswerNextDialog(ModalResult result, std::vector<std::string> field_texts = {});
  void AnswerNextDialog(std::function<ModalResult(SimDialog&)> answer) {
    dialog_answers_.push_back(std::move(answer));
  }
  std::size_t PendingDialogs() const { return dialog_answers_.size(); }
  const std::vector<SimDialogShown>& DialogsShown() const { return dialogs_; }

  // The user chooses a menu item, or the item at the end of a path of captions.
  void Choose(MenuItem& item);
  void Choose(MenuItems& menu, const std::vector<std::string>& path);
  // Another program becomes the active one.
  void ActivateOtherProgram() { active_ = nullptr; }
  // The screen's dots per inch, 96 unless a test sets another.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi; }

  // Runs a user action as the message loop would: errors go to the error box.
  void UserAction(const std::function<void()>& action) { app_.Guard(action); }

  // Used by the sim widgets.
  SimWindow* ActiveWindow() const { return active_; }
  void SetActiveWindow(SimWindow* window) { active_ = window; }
  void Forget(SimWindow* window);
  WindowHandle NewHandle() { return next_handle_ += 4; }
  Answer NextAnswer();
  std::string NextFile(const SimFileDialogShown& shown);
  ModalResult NextDialogResult(SimDialog& dialog);
  void RecordBox(const SimBox& box) { boxes_.push_back(box); }

 private:
  SimApplication app_;
  std::vector<SimBox> boxes_;
  std::deque<std::function<Answer()>> answers_;
  std::deque<std::string> files_;
  std::vector<SimFileDialogShown> file_dialogs_;
  std::deque<std::function<ModalResult(SimDialog&)>> dialog_answers_;
  std::vector<SimDialogShown> dialogs_;
  SimWindow* active_ = nullptr;
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

}  // namespace vorn
