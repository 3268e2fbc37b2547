#pragma once

// The window toolkit: the application object, forms, controls, menus, boxes and
// file dialogs that the user interface is written against once. The Win32
// implementation wraps real windows; the sim implementation holds the widgets in
// memory so that tests can drive them.

#include <cstddef>
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/station_rows.h"
#include "platform/window_tree.h"

namespace vorn {

struct Rect {
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool operator==(const Rect&) const = default;
};

struct Point {
  int X = 0;
  int Y = 0;
  bool operator==(const Point&) const = default;
};

using IconHandle = std::uintptr_t;
using VirtualKey = std::uint16_t;

struct ShiftState {
  bool Shift = false;
  bool Ctrl = false;
  bool Alt = false;
  bool operator==(const ShiftState&) const = default;
};

enum class Answer { Yes, No, Cancel };
enum class ModalResult { None, Ok, Cancel };
enum class BoxKind {
  Message,        // plain: no icon, the title as caption, one OK
  Question,       // "Informationen", information icon, &Ja / &Nein / Abbrechen
  Error,          // the title as caption, stop icon, one OK
  SystemWarning,  // the system's own box: no owner, exclamation icon, OK
};

// Places and sizes of controls, panel heights, column widths and font heights are
// pixels of the layout designed at 96 DPI; the toolkit scales them by the DPI of
// the window that holds them. Window bounds are the screen's own pixels.

// A control inside a form, panel or dialog. Bounds are in the parent's client
// area, in designed pixels.
class Control {
 public:
  virtual ~Control() = default;
  virtual Rect Bounds() const = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
};

// A label sizes itself to its caption.
class Label : public Control {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetBoldFont(int height) = 0;
};

// A single-line edit. The handlers may be switched at any time, also to empty.
class Edit : public Control {
 public:
  // A typed character; setting it to '\0' discards it, another value is typed
  // instead.
  std::function<void(char& key)> OnKeyPress;
  // A key pressed while the edit has the focus; setting it to 0 keeps it from
  // the edit (any other value is ignored). Its character is typed all the
  // same: it was translated before the handler ran.
  std::function<void(VirtualKey& key, ShiftState shift)> OnKeyDown;
  std::function<void()> OnDblClick;
  // The text changed, typed or set.
  std::function<void()> OnChange;

  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual void SelectAll() = 0;
  // Only a shown edit on a shown window takes the focus.
  virtual void SetFocus() = 0;
  virtual bool Focused() const = 0;
  virtual void SetReadOnly(bool read_only) = 0;
  virtual void SetBoldFont(int height) = 0;
};

class CheckBox : public Control {
 public:
  // The user toggled the box; SetChecked does not raise it.
  std::function<void()> OnClick;

  virtual std::string Caption() const = 0;
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
};

// An editable drop-down list.
class ComboBox : public Control {
 public:
  virtual std::string Text() const = 0;
  virtual void SetText(const std::string& text) = 0;
  virtual std::vector<std::string> Items() const = 0;
};

// A push button; one with a modal result closes its dialog with that result.
class Button : public Control {
 public:
  virtual std::string Caption() const = 0;
};

class MenuItem;

// The items of a menu bar, a submenu or a popup menu, in menu order.
class MenuItems {
 public:
  virtual ~MenuItems() = default;
  virtual MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) = 0;
  virtual MenuItem& AddSubmenu(const std::string& caption) = 0;
  // A line between the items added before and after it; it is no item.
  virtual void AddSeparator() = 0;
  virtual std::size_t Count() const = 0;
  virtual MenuItem& Item(std::size_t index) = 0;
};

class MenuItem : public MenuItems {
 public:
  std::function<void()> OnClick;

  virtual std::string Caption() const = 0;
  // A new caption in the same place, checked or not as before.
  virtual void SetCaption(const std::string& caption) = 0;
  virtual bool Default() const = 0;
  virtual void SetDefault(bool is_default) = 0;
  // A check mark beside the caption.
  virtual bool Checked() const = 0;
  virtual void SetChecked(bool checked) = 0;
  // Does what choosing the item from its menu does.
  virtual void Click() = 0;
};

class PopupMenu : public MenuItems {
 public:
  // Shows the menu at a screen position and waits; an item the user chooses is clicked.
  virtual void Popup(Point at) = 0;
};

struct ListColumn {
  std::string Caption;
  int Width = 0;
};

// A report-style list view: grid lines, whole-row selection, single selection, no
// editing in place. It holds the station rows; a row's caption is its frequency.
class ListView : public Control, public StationRows {
 public:
  std::function<void()> OnClick;
  std::function<void(VirtualKey key)> OnKeyDown;
  std::function<void(VirtualKey key)> OnKeyUp;

  virtual std::optional<std::size_t> Selected() const = 0;
  // Selecting raises no event.
  virtual void Select(std::optional<std::size_t> index) = 0;
  // Scrolls as little as needed to show the row.
  virtual void ScrollIntoView(std::size_t index) = 0;
  // Normally the selection is drawn only while the view has the focus.
  virtual void SetSelectionAlwaysShown(bool shown) = 0;
  // Only a shown view on a shown window takes the focus.
  virtual void SetFocus() = 0;
  virtual bool Focused() const = 0;
  // Shown on a right click; not owned.
  virtual void SetPopupMenu(PopupMenu* menu) = 0;
  // Sorted views order their rows by caption at once and place every appended row
  // by it. Turning sorting off keeps the present order.
  virtual bool Sorted() const = 0;
  virtual void SetSorted(bool sorted) = 0;
  // Between these the view is not redrawn; appends cost no per-row display work.
  // Nested pairs count.
  virtual void BeginUpdate() = 0;
  virtual void EndUpdate() = 0;
};

// Keeps a list view from redrawing for the lifetime of the object.
class ListUpdate {
 public:
  explicit ListUpdate(ListView& view) : view_(view) { view_.BeginUpdate(); }
  ~ListUpdate() { view_.EndUpdate(); }
  ListUpdate(const ListUpdate&) = delete;
  ListUpdate& operator=(const ListUpdate&) = delete;

 private:
  ListView& view_;
};

// Something that holds controls: a window or a panel. It owns what it creates; the
// references stay valid as long as the container lives.
class Container {
 public:
  static constexpr int kLabelHeight = 13;
  static constexpr int kLabelSpacing = 3;

  virtual ~Container() = default;
  virtual Label& AddLabel(Point at, const std::string& caption) = 0;
  virtual Edit& AddEdit(const Rect& bounds) = 0;
  virtual CheckBox& AddCheckBox(const Rect& bounds, const std::string& caption) = 0;
  virtual ComboBox& AddComboBox(const Rect& bounds, const std::vector<std::string>& items) = 0;
  virtual Button& AddButton(const Rect& bounds, const std::string& caption, ModalResult result) = 0;

  // An edit with a label just above its left edge.
  Edit& AddLabeledEdit(const Rect& bounds, const std::string& label) {
    AddLabel({bounds.Left, bounds.Top - kLabelHeight - kLabelSpacing}, label);
    return AddEdit(bounds);
  }
};

enum class Dock { Top, Bottom };

class Panel : public Control, public Container {
 public:
  virtual int Height() const = 0;
};

// A top-level window. Bounds are in screen coordinates and include the frame.
class Window : public Container {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual Rect Bounds() const = 0;
  virtual void SetBounds(const Rect& bounds) = 0;
  // Bounds designed at 96 DPI: the place and the client area scale by Dpi(); the
  // frame, caption and menu bar are the system's at that DPI.
  virtual void SetDesignedBounds(const Rect& bounds) = 0;
  virtual int Dpi() const = 0;
  virtual bool Visible() const = 0;
  virtual WindowHandle Handle() const = 0;
};

// A sizeable window with a caption bar without buttons, menus, docked panels and a
// list view filling the space between them.
class Form : public Window {
 public:
  // Asked before the form closes; false keeps it open. Empty allows the close.
  std::function<bool()> OnCloseQuery;
  // Asked when the user's session is ending, false to object; empty asks
  // OnCloseQuery instead.
  std::function<bool()> OnQueryEndSession;
  // The system announced a change of its settings (such as the regional ones).
  std::function<void()> OnSettingChange;
  // A key pressed anywhere in the form, before the control with the focus
  // sees it; setting it to 0 consumes it, and then it types nothing either.
  // Any other value is ignored: the control gets the key as pressed.
  std::function<void(VirtualKey& key, ShiftState shift)> OnKeyDown;

  // Panels stack from their edge inwards in the order they are added.
  virtual Panel& AddPanel(Dock dock, int height) = 0;
  virtual ListView& AddListView(const std::vector<ListColumn>& columns) = 0;
  virtual MenuItems& Menu() = 0;
  virtual PopupMenu& AddPopupMenu() = 0;

  virtual void Show() = 0;
  virtual void Hide() = 0;
  virtual void BringToFront() = 0;
  virtual bool IsActiveWindow() const = 0;
  // Asks OnCloseQuery; when allowed the form hides, and closing the main form ends
  // the application. An exception from OnCloseQuery leaves the form open.
  virtual void Close() = 0;
};

// A dialog shown modally over its owner; hidden, not destroyed, when it closes.
// Its controls take the focus with Tab in the order they were added; Enter means
// OK, Esc and the close button mean Cancel.
class Dialog : public Window {
 public:
  virtual ModalResult ShowModal() = 0;
};

// A small window beside a form that leaves the form usable (modeless). Shown,
// it is active with the focus on its first control; its close button hides it.
class ToolWindow : public Window {
 public:
  // The user closed it; it is hidden already.
  std::function<void()> OnClose;

  virtual void Show() = 0;
  virtual void Hide() = 0;
};

enum class FileDialogKind { Open, Save };

struct FileDialogOptions {
  // Pairs of description and pattern separated by '|', e.g. "Texts|*.txt|All|*.*".
  std::string Filter;
  std::string DefaultExt;
};

// An open or save dialog. The save dialog never asks before overwriting.
class FileDialog {
 public:
  FileDialog(FileDialogKind kind, FileDialogOptions options)
      : kind_(kind), options_(std::move(options)) {}
  virtual ~FileDialog() = default;
  std::string InitialDir() const { return initial_dir_; }
  void SetInitialDir(const std::string& dir) { initial_dir_ = dir; }
  // The chosen file's full path, or empty when the dialog was cancelled.
  virtual std::string Execute() = 0;

 protected:
  FileDialogKind kind_;
  FileDialogOptions options_;
  std::string initial_dir_;
};

class Application {
 public:
  virtual ~Application() = default;

  // The executable's name, see ApplicationTitle.
  virtual std::string Title() const = 0;
  virtual IconHandle Icon() const = 0;
  virtual bool ShowMainForm() const = 0;
  virtual void SetShowMainForm(bool show) = 0;
  // Shows the main form (unless told not to) and handles messages until the main
  // form has closed or Terminate was called. Returns at once after Terminate.
  virtual void Run(Form& main_form) = 0;
  virtual void Terminate() = 0;
  virtual bool Terminated() const = 0;

  // The work area (the screen without the taskbar) of every monitor, in
  // screen coordinates.
  virtual std::vector<Rect> MonitorWorkAreas() const = 0;

  // Shows a box modally, centred on the screen. The answer counts for questions.
  virtual Answer ShowBox(BoxKind kind, const std::string& text, const std::string& caption) = 0;

  void ShowMessage(const std::string& text);
  Answer Ask(const std::string& text);
  void ShowError(const std::string& text);
  void ShowSystemWarning(const std::string& text, const std::string& caption);
  // The top-level handler: the exception's text in the error box.
  void HandleException(const std::exception& error);
  // Runs an event handler; what it throws goes to HandleException. Never throws.
  void Guard(const std::function<void()>& handler) noexcept;

  // True while one of the program's boxes, dialogs or file dialogs is open:
  // the program then waits for its answer.
  bool InModal() const { return modal_depth_ > 0; }

  // Held by the implementations for as long as a modal box or dialog is open.
  class ModalScope {
   public:
    explicit ModalScope(Application& app) : app_(app) { ++app_.modal_depth_; }
    ~ModalScope() { --app_.modal_depth_; }
    ModalScope(const ModalScope&) = delete;
    ModalScope& operator=(const ModalScope&) = delete;

   private:
    Application& app_;
  };

 private:
  int modal_depth_ = 0;
};

// Creates the windows and dialogs of one program.
class Toolkit {
 public:
  virtual ~Toolkit() = default;
  virtual Application& App() = 0;
  virtual std::unique_ptr<Form> CreateForm() = 0;
  virtual std::unique_ptr<Dialog> CreateModalDialog(Form& owner) = 0;
  virtual std::unique_ptr<ToolWindow> CreateToolWindow(Form& owner) = 0;
  virtual std::unique_ptr<FileDialog> CreateFileDialog(FileDialogKind kind,
                                                       const FileDialogOptions& options) = 0;
};

// The first item with this caption among the menu's items, or null.
MenuItem* FindItem(MenuItems& menu, const std::string& caption);

}  // namespace vorn
