#pragma once

// The window classes behind the Win32 toolkit. Each object owns one window handle;
// its window procedure reaches the object through GWLP_USERDATA. Containers pass
// WM_COMMAND and WM_NOTIFY on to the child that sent them, so every control
// handles its own notifications. Handlers run inside the application's guard:
// no exception leaves a window procedure.

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/dpi_scale.h"
#include "platform/list_rows.h"
#include "platform/toolkit.h"
#include "platform/win32/win32_bound_window.h"
#include "platform/win32/win32_dpi.h"

namespace vorn::win32 {

// The window classes of the toolkit.
inline constexpr char kFormClass[] = "VornForm";
inline constexpr char kPanelClass[] = "VornPanel";
inline constexpr char kDialogClass[] = "VornDialog";
inline constexpr char kUtilityClass[] = "VornUtility";

class MenuItemImpl;
class FormImpl;

// A window's text.
std::string WindowText(HWND window);

// A font, bitmap or other GDI object, deleted with its owner.
template <class Handle>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(Handle handle) : handle_(handle) {}
  ~GdiObject() { Reset(); }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  Handle Get() const { return handle_; }
  void Reset(Handle handle = nullptr) {
    if (handle_) DeleteObject(handle_);
    handle_ = handle;
  }

 private:
  Handle handle_ = nullptr;
};
using GdiFont = GdiObject<HFONT>;

// The toolkit's font: "MS Sans Serif" at the given height, bold or not.
HFONT CreateToolkitFont(int height, bool bold);

class Win32Application : public Application {
 public:
  Win32Application();

  std::string Title() const override { return title_; }
  IconHandle Icon() const override { return reinterpret_cast<IconHandle>(icon_); }
  bool ShowMainForm() const override { return show_main_form_; }
  void SetShowMainForm(bool show) override { show_main_form_ = show; }
  void Run(Form& main_form) override;
  void Terminate() override;
  bool Terminated() const override { return terminated_; }
  Answer ShowBox(BoxKind kind, const std::string& text, const std::string& caption) override;
  std::vector<Rect> MonitorWorkAreas() const override;

  // The toolkit's font, height -11 designed, at a DPI.
  HFONT FormFont(int dpi);
  // A hidden window of this thread, for menus that need an owner.
  HWND UtilityWindow() const { return utility_.Get(); }
  void FormClosed(Form& form);
  // What the message loop does with each message it takes: keys on their way
  // to a control of a form go to the form first.
  void Dispatch(const MSG& msg);
  // Handles the messages waiting in the queue, as the loop would; false once
  // the program has been told to quit (the quit message is left for the loop).
  bool ProcessMessages();

  // Menu commands: every command item has a number of its own.
  UINT RegisterCommand(MenuItemImpl* item);
  void UnregisterCommand(UINT id);
  MenuItemImpl* Command(UINT id) const;

 private:
  std::string title_;
  HICON icon_ = nullptr;
  std::map<int, std::unique_ptr<GdiFont>> form_fonts_;
  UniqueWindow utility_;
  bool show_main_form_ = true;
  bool terminated_ = false;
  bool running_ = false;
  Form* main_form_ = nullptr;
  std::map<UINT, MenuItemImpl*> commands_;
  UINT next_command_ = 1000;
};

// Owns one window of the toolkit, and the objects of its child windows: they
// are destroyed with it, after it has stopped taking messages and before its
// own window goes.
class WindowObject : public BoundWindow {
 public:
  ~WindowObject() override;

  Win32Application& App() const { return app_; }
  static WindowObject* FromHwnd(HWND window);

  // Notifications a container passed on from this child.
  virtual void OnCommand(WORD /*code*/) {}
  virtual LRESULT OnNotify(NMHDR* /*header*/) { return 0; }
  // The window moved to a screen of another DPI: a control takes its designed
  // place and font at that DPI.
  virtual void Rescale(int dpi);

  template <class T>
  T& Adopt(std::unique_ptr<T> child) {
    T& result = *child;
    children_.push_back(std::move(child));
    return result;
  }
  void RescaleChildren(int dpi) {
    for (const auto& child : children_) child->Rescale(dpi);
  }

 protected:
  explicit WindowObject(Win32Application& app) : app_(app) {}

  // Creates a window of one of the toolkit's own classes, in the screen's pixels.
  void CreateOwn(const char* window_class, DWORD ex_style, DWORD style, const Rect& bounds,
                 HWND parent);
  // Creates and subclasses a system control at its designed place, scaled by the
  // parent's DPI, with the toolkit's font.
  void CreateControl(const char* window_class, DWORD ex_style, DWORD style, const Rect& designed,
                     HWND parent, UINT id = 0);
  int Scaled(int designed) const { return ScaleDpi(designed, kDesignDpi, dpi_); }
  // The window's bounds in its parent, back in designed pixels.
  Rect DesignedBounds() const;
  // Gives the window a bold toolkit font of a designed height at its DPI, and
  // keeps the height for a later DPI.
  void SetBold(GdiFont& font, int designed_height);
  // The keyboard focus, for a control that the user can see: keys typed into
  // a hidden window would go nowhere the user knows of.
  void FocusIfShown() {
    if (IsWindowVisible(hwnd_)) ::SetFocus(hwnd_);
  }
  // Hands WM_COMMAND and WM_NOTIFY from a child control to its object.
  bool Reflect(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);
  // An exception that left a message goes to the error box.
  void Failed() override;

  Win32Application& app_;
  int dpi_ = kDesignDpi;
  Rect designed_;
  int bold_height_ = 0;

 private:
  std::vector<std::unique_ptr<WindowObject>> children_;
};

// The bounds of a child window in its parent's client area.
Rect ChildBounds(HWND window);

// Bounds, visibility and the common creation of the controls.
template <class Base>
class ControlImpl : public Base, public WindowObject {
 public:
  explicit ControlImpl(Win32Application& app) : WindowObject(app) {}
  Rect Bounds() const override;
  bool Visible() const override { return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
};

template <class Base>
Rect ControlImpl<Base>::Bounds() const {
  return DesignedBounds();
}

// Runs a key-down handler, with the shift state of the moment, inside the
// application's guard. False when the handler consumed the key or failed.
bool PassKeyDown(Win32Application& app, const std::function<void(VirtualKey&, ShiftState)>& handler,
                 WPARAM key);

// The first control that Tab reaches inside a window.
HWND FirstTabStop(HWND parent);

// Makes the controls of a container; the container's object owns them.
class ContainerChildren {
 public:
  explicit ContainerChildren(WindowObject& owner) : owner_(owner) {}
  Label& AddLabel(Point at, const std::string& caption);
  Edit& AddEdit(const Rect& bounds);
  CheckBox& AddCheckBox(const Rect& bounds, const std::string& caption);
  ComboBox& AddComboBox(const Rect& bounds, const std::vector<std::string>& items);
  Button& AddButton(const Rect& bounds, const std::string& caption, ModalResult result);

 private:
  WindowObject& owner_;
};

// Forwards the container's Add functions to its children list.
template <class Base>
class ContainerImpl : public Base {
 public:
  Label& AddLabel(Point at, const std::string& caption) override {
    return Children().AddLabel(at, caption);
  }
  Edit& AddEdit(const Rect& bounds) override { return Children().AddEdit(bounds); }
  CheckBox& AddCheckBox(const Rect& bounds, const std::string& caption) override {
    return Children().AddCheckBox(bounds, caption);
  }
  ComboBox& AddComboBox(const Rect& bounds, const std::vector<std::string>& items) override {
    return Children().AddComboBox(bounds, items);
  }
  Button& AddButton(const Rect& bounds, const std::string& caption, ModalResult result) override {
    return Children().AddButton(bounds, caption, result);
  }

 protected:
  virtual ContainerChildren& Children() = 0;
};

class LabelImpl : public ControlImpl<Label> {
 public:
  LabelImpl(Win32Application& app, HWND parent, Point at, const std::string& caption);
  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  void SetBoldFont(int height) override;
  void Rescale(int dpi) override;

 private:
  void Fit();
  GdiFont bold_;
};

class EditImpl : public ControlImpl<Edit> {
 public:
  EditImpl(Win32Application& app, HWND parent, const Rect& bounds);
  std::string Text() const override;
  void SetText(const std::string& text) override;
  void SelectAll() override;
  void SetFocus() override { FocusIfShown(); }
  bool Focused() const override { return GetFocus() == hwnd_; }
  void SetReadOnly(bool read_only) override;
  void SetBoldFont(int height) override;
  void Rescale(int dpi) override;
  void OnCommand(WORD code) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  GdiFont bold_;
};

class CheckBoxImpl : public ControlImpl<CheckBox> {
 public:
  CheckBoxImpl(Win32Application& app, HWND parent, const Rect& bounds, const std::string& caption);
  std::string Caption() const override;
  bool Checked() const override;
  void SetChecked(bool checked) override;
  void OnCommand(WORD code) override;
  void Rescale(int dpi) override;

 private:
  void FitCaption();
};

class ComboBoxImpl : public ControlImpl<ComboBox> {
 public:
  ComboBoxImpl(Win32Application& app, HWND parent, const Rect& bounds,
               const std::vector<std::string>& items);
  std::string Text() const override;
  void SetText(const std::string& text) override;
  std::vector<std::string> Items() const override { return items_; }
  void Rescale(int dpi) override;

 private:
  void FitHeight();
  std::vector<std::string> items_;
  int designed_height_;
};

class ButtonImpl : public ControlImpl<Button> {
 public:
  ButtonImpl(Win32Application& app, HWND parent, const Rect& bounds, const std::string& caption,
             ModalResult result);
  std::string Caption() const override;
};

class ListViewImpl : public ControlImpl<ListView> {
 public:
  ListViewImpl(Win32Application& app, HWND parent, const std::vector<ListColumn>& columns);

  std::size_t Count() const override { return rows_.Count(); }
  const StationRow& Row(std::size_t index) const override { return rows_.At(index); }
  void Append(const StationRow& row) override;
  void Replace(std::size_t index, const StationRow& row) override;
  void Remove(std::size_t index) override;
  void Clear() override;
  std::optional<std::size_t> Selected() const override;
  void Select(std::optional<std::size_t> index) override;
  void ScrollIntoView(std::size_t index) override;
  void SetSelectionAlwaysShown(bool shown) override;
  void SetFocus() override { FocusIfShown(); }
  bool Focused() const override { return GetFocus() == hwnd_; }
  void SetPopupMenu(PopupMenu* menu) override { popup_ = menu; }
  bool Sorted() const override { return rows_.Sorted(); }
  void SetSorted(bool sorted) override;
  void BeginUpdate() override;
  void EndUpdate() override;

  LRESULT OnNotify(NMHDR* header) override;
  // Its place is the form's to set; the columns scale from the widths the user left.
  void Rescale(int dpi) override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  // The user may have moved the selection in the control since the rows last
  // looked; these keep the two in step around each change.
  std::optional<std::size_t> ControlSelection() const;
  void PullSelection();
  void PushSelection();
  // Tells the control the number of rows and redraws it, now or once the
  // message loop comes round: the control takes milliseconds to take a new
  // count, so appends one by one share one.
  void Show();
  void ShowLater();
  template <class Change>
  void Mutate(Change change);

  ListRows rows_;
  int columns_ = 0;
  PopupMenu* popup_ = nullptr;
  bool show_posted_ = false;
};

class PanelImpl : public ContainerImpl<Panel>, public WindowObject {
 public:
  PanelImpl(Win32Application& app, HWND parent, int height);
  Rect Bounds() const override { return DesignedBounds(); }
  bool Visible() const override { return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0; }
  void SetVisible(bool visible) override { ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE); }
  int Height() const override { return height_; }
  // The form places the panel; its children take their places in it.
  void Rescale(int dpi) override;

 protected:
  ContainerChildren& Children() override { return controls_; }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  int height_;
  ContainerChildren controls_;
};

// The items of one Win32 menu handle; separators take positions but are no items.
class MenuList {
 public:
  // `changed` runs after items are added.
  MenuList(Win32Application& app, HMENU menu, std::function<void()> changed = {})
      : app_(app), menu_(menu), changed_(std::move(changed)) {}
  MenuItem& Add(const std::string& caption, std::function<void()> on_click, bool submenu);
  void AddSeparator();
  std::size_t Count() const { return items_.size(); }
  MenuItem& Item(std::size_t index);
  HMENU Handle() const { return menu_; }

 private:
  Win32Application& app_;
  HMENU menu_;
  std::function<void()> changed_;
  std::vector<std::unique_ptr<MenuItemImpl>> items_;
};

class MenuItemImpl : public MenuItem {
 public:
  MenuItemImpl(Win32Application& app, HMENU parent, UINT position, const std::string& caption,
               bool submenu);
  ~MenuItemImpl() override;

  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override;
  MenuItem& AddSubmenu(const std::string& caption) override;
  void AddSeparator() override;
  std::size_t Count() const override { return sub_ ? sub_->Count() : 0; }
  MenuItem& Item(std::size_t index) override;
  std::string Caption() const override { return caption_; }
  void SetCaption(const std::string& caption) override;
  bool Default() const override { return default_; }
  void SetDefault(bool is_default) override;
  bool Checked() const override { return checked_; }
  void SetChecked(bool checked) override;
  void Click() override;

 private:
  Win32Application& app_;
  HMENU parent_;
  UINT position_;
  UINT id_ = 0;
  std::string caption_;
  bool default_ = false;
  bool checked_ = false;
  std::unique_ptr<MenuList> sub_;
};

// A menu handle that is destroyed with its object unless a window took it over.
class OwnedMenu {
 public:
  explicit OwnedMenu(HMENU menu) : menu_(menu) {}
  ~OwnedMenu() {
    if (menu_) DestroyMenu(menu_);
  }
  OwnedMenu(const OwnedMenu&) = delete;
  OwnedMenu& operator=(const OwnedMenu&) = delete;
  HMENU Get() const { return menu_; }

 private:
  HMENU menu_;
};

// The items of the bar and of the popup menus alike, and the menu that shows them.
template <class Base>
class MenuOf : public Base {
 public:
  MenuOf(Win32Application& app, HMENU menu, std::function<void()> changed = {})
      : menu_(menu), items_(app, menu, std::move(changed)) {}
  MenuItem& Add(const std::string& caption, std::function<void()> on_click = {}) override {
    return items_.Add(caption, std::move(on_click), false);
  }
  MenuItem& AddSubmenu(const std::string& caption) override {
    return items_.Add(caption, {}, true);
  }
  void AddSeparator() override { items_.AddSeparator(); }
  std::size_t Count() const override { return items_.Count(); }
  MenuItem& Item(std::size_t index) override { return items_.Item(index); }

 protected:
  OwnedMenu menu_;
  MenuList items_;
};

class MainMenuImpl : public MenuOf<MenuItems> {
 public:
  MainMenuImpl(Win32Application& app, HWND form);
  // The bar leaves the window first: the window would destroy it again.
  ~MainMenuImpl() override {
    if (GetMenu(form_) == menu_.Get()) SetMenu(form_, nullptr);
  }
  MainMenuImpl(const MainMenuImpl&) = delete;
  MainMenuImpl& operator=(const MainMenuImpl&) = delete;
  // Lays the bar out again after its items changed.
  void Redraw();

 private:
  HWND form_;
  bool redraw_posted_ = false;
};

class PopupMenuImpl : public MenuOf<PopupMenu> {
 public:
  explicit PopupMenuImpl(Win32Application& app);
  void Popup(Point at) override;

 private:
  Win32Application& app_;
};

class FormImpl : public ContainerImpl<Form>, public WindowObject {
 public:
  explicit FormImpl(Win32Application& app);

  std::string Caption() const override;
  void SetCaption(const std::string& caption) override;
  Rect Bounds() const override;
  void SetBounds(const Rect& bounds) override;
  void SetDesignedBounds(const Rect& bounds) override;
  int Dpi() const override { return dpi_; }
  bool Visible() const override { return IsWindowVisible(hwnd_) != 0; }
  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }

  Panel& AddPanel(Dock dock, int height) override;
  ListView& AddListView(const std::vector<ListColumn>& columns) override;
  MenuItems& Menu() override { return *menu_; }
  PopupMenu& AddPopupMenu() override;

  void Show() override;
  void Hide() override;
  void BringToFront() override;
  bool IsActiveWindow() const override;
  void Close() override;

  // A key pressed in the form, before its control gets it; true when consumed.
  bool PreviewKey(WPARAM key);

 protected:
  ContainerChildren& Children() override { return controls_; }
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  void Layout();
  bool AskCloseQuery();
  void RestoreFocus();
  void DpiChanged(WPARAM wparam, LPARAM lparam);

  ContainerChildren controls_;
  std::vector<std::pair<Dock, PanelImpl*>> panels_;
  ListViewImpl* list_ = nullptr;
  std::unique_ptr<MainMenuImpl> menu_;
  std::vector<std::unique_ptr<PopupMenuImpl>> popups_;
  HWND last_focus_ = nullptr;
  // Our own moves take the screen's pixels as given, whatever DPI they land on.
  bool placing_ = false;
};

// A top-level window's bounds on the screen.
Rect WindowBounds(HWND window);
// Where the system wants a top-level window that moved to a screen of another DPI.
void TakeSuggestedRect(HWND window, LPARAM lparam);

// Caption, bounds, DPI and visibility of a window that a form owns.
//
// The form owns it only while it is shown: a hidden window that the form owned
// would still be moved along with the form in the z-order at every show and
// raise of the form, which is the hotkey's path. Hidden, the application's
// utility window owns it.
template <class Base>
class OwnedWindowImpl : public ContainerImpl<Base>, public WindowObject {
 public:
  // Made hidden, owned by the utility window, with a caption and a close button.
  OwnedWindowImpl(Win32Application& app, HWND owner, DWORD ex_style, int height)
      : WindowObject(app), owner_(owner), controls_(*this) {
    CreateOwn(kDialogClass, ex_style | WS_EX_CONTROLPARENT,
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, {0, 0, 200, height},
              app.UtilityWindow());
  }

  std::string Caption() const override { return WindowText(hwnd_); }
  void SetCaption(const std::string& caption) override { SetWindowTextA(hwnd_, caption.c_str()); }
  Rect Bounds() const override { return WindowBounds(hwnd_); }
  void SetBounds(const Rect& bounds) override {
    placing_ = true;
    MoveWindow(hwnd_, bounds.Left, bounds.Top, bounds.Width, bounds.Height, TRUE);
    placing_ = false;
  }
  void SetDesignedBounds(const Rect& bounds) override {
    SetBounds(DesignedWindowBounds(bounds, hwnd_, dpi_));
  }
  int Dpi() const override { return dpi_; }
  bool Visible() const override { return IsWindowVisible(hwnd_) != 0; }
  WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd_); }

 protected:
  void DpiChanged(WPARAM wparam, LPARAM lparam) {
    dpi_ = LOWORD(wparam);
    this->RescaleChildren(dpi_);
    // Our own moves take the screen's pixels as given, whatever DPI they land on.
    if (!placing_) TakeSuggestedRect(hwnd_, lparam);
  }
  // Before the window shows, and after it has hidden.
  void JoinOwner() { SetOwner(owner_); }
  void LeaveOwner() { SetOwner(app_.UtilityWindow()); }
  ContainerChildren& Children() override { return controls_; }

  HWND owner_;

 private:
  ContainerChildren controls_;
  void SetOwner(HWND owner) {
    SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  }
  bool placing_ = false;
};

class DialogImpl : public OwnedWindowImpl<Dialog> {
 public:
  DialogImpl(Win32Application& app, HWND owner);

  ModalResult ShowModal() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
  ModalResult result_ = ModalResult::None;
};

class ToolWindowImpl : public OwnedWindowImpl<ToolWindow> {
 public:
  ToolWindowImpl(Win32Application& app, HWND owner);

  void Show() override;
  void Hide() override;

 protected:
  LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) override;

 private:
};

class FileDialogImpl : public FileDialog {
 public:
  FileDialogImpl(Application& app, FileDialogKind kind, const FileDialogOptions& options)
      : FileDialog(kind, options), app_(app) {}
  std::string Execute() override;

 private:
  Application& app_;
};

}  // namespace vorn::win32
