#include <algorithm>
#include <stdexcept>

#include "platform/raise.h"
#include "platform/toolkit_rules.h"
#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_widgets.h"

namespace vorn::win32 {

namespace {
// Posted by a form's menu bar to the form when its items changed.
constexpr UINT kRedrawMenuBar = WM_APP + 0x4D;
}  // namespace

// ---- window objects ----

WindowObject::~WindowObject() {
  // The children go while this window takes no more messages, before it.
  Detach();
  children_.clear();
}

WindowObject* WindowObject::FromHwnd(HWND window) {
  return dynamic_cast<WindowObject*>(BoundWindow::FromHwnd(window));
}

void WindowObject::CreateOwn(const char* window_class, DWORD ex_style, DWORD style,
                             const Rect& bounds, HWND parent) {
  if (!CreateBound(window_class, ex_style, style, bounds.Left, bounds.Top, bounds.Width,
                   bounds.Height, parent))
    throw std::runtime_error(std::string("cannot create a window of ") + window_class);
  dpi_ = WindowDpi(hwnd_);
}

void WindowObject::CreateControl(const char* window_class, DWORD ex_style, DWORD style,
                                 const Rect& designed, HWND parent, UINT id) {
  designed_ = designed;
  dpi_ = WindowDpi(parent);
  const Rect bounds = ScaleDpi(designed, kDesignDpi, dpi_);
  HWND control =
      CreateWindowExA(ex_style, window_class, "", style, bounds.Left, bounds.Top, bounds.Width,
                      bounds.Height, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                      GetModuleHandleA(nullptr), nullptr);
  if (!control) throw std::runtime_error(std::string("cannot create a control of ") + window_class);
  Subclass(control);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(app_.FormFont(dpi_)), FALSE);
}

void WindowObject::Rescale(int dpi) {
  dpi_ = dpi;
  const Rect bounds = ScaleDpi(designed_, kDesignDpi, dpi_);
  MoveWindow(hwnd_, bounds.Left, bounds.Top, bounds.Width, bounds.Height, TRUE);
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(app_.FormFont(dpi_)), TRUE);
}

Rect WindowObject::DesignedBounds() const {
  return ScaleDpi(ChildBounds(hwnd_), dpi_, kDesignDpi);
}

void WindowObject::SetBold(GdiFont& font, int designed_height) {
  bold_height_ = designed_height;
  font.Reset(CreateToolkitFont(Scaled(designed_height), true));
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
}

void WindowObject::Failed() {
  app_.Guard([] { throw; });
}

bool WindowObject::Reflect(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
  if (message == WM_COMMAND && lparam != 0) {
    if (WindowObject* child = FromHwnd(reinterpret_cast<HWND>(lparam))) {
      child->OnCommand(HIWORD(wparam));
      result = 0;
      return true;
    }
  } else if (message == WM_NOTIFY && lparam != 0) {
    auto* header = reinterpret_cast<NMHDR*>(lparam);
    if (WindowObject* child = FromHwnd(header->hwndFrom)) {
      result = child->OnNotify(header);
      return true;
    }
  }
  return false;
}

Rect ChildBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

HWND FirstTabStop(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    const LONG_PTR style = GetWindowLongPtrA(child, GWL_STYLE);
    if (!(style & WS_VISIBLE) || (style & WS_DISABLED)) continue;
    if (GetWindowLongPtrA(child, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) {
      if (HWND inner = FirstTabStop(child)) return inner;
      continue;
    }
    if (style & WS_TABSTOP) return child;
  }
  return nullptr;
}

Rect WindowBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void TakeSuggestedRect(HWND window, LPARAM lparam) {
  const auto* r = reinterpret_cast<const RECT*>(lparam);
  SetWindowPos(window, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- containers ----

Label& ContainerChildren::AddLabel(Point at, const std::string& caption) {
  return owner_.Adopt(std::make_unique<LabelImpl>(owner_.App(), owner_.Hwnd(), at, caption));
}

Edit& ContainerChildren::AddEdit(const Rect& bounds) {
  return owner_.Adopt(std::make_unique<EditImpl>(owner_.App(), owner_.Hwnd(), bounds));
}

CheckBox& ContainerChildren::AddCheckBox(const Rect& bounds, const std::string& caption) {
  return owner_.Adopt(std::make_unique<CheckBoxImpl>(owner_.App(), owner_.Hwnd(), bounds, caption));
}

ComboBox& ContainerChildren::AddComboBox(const Rect& bounds,
                                         const std::vector<std::string>& items) {
  return owner_.Adopt(std::make_unique<ComboBoxImpl>(owner_.App(), owner_.Hwnd(), bounds, items));
}

Button& ContainerChildren::AddButton(const Rect& bounds, const std::string& caption,
                                     ModalResult result) {
  return owner_.Adopt(
      std::make_unique<ButtonImpl>(owner_.App(), owner_.Hwnd(), bounds, caption, result));
}

PanelImpl::PanelImpl(Win32Application& app, HWND parent, int height)
    : WindowObject(app), height_(height), controls_(*this) {
  CreateOwn(kPanelClass, WS_EX_CONTROLPARENT,
            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, {0, 0, 0, height}, parent);
}

void PanelImpl::Rescale(int dpi) {
  dpi_ = dpi;
  RescaleChildren(dpi);
}

LRESULT PanelImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (Reflect(message, wparam, lparam, result)) return result;
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd_, &paint);
    RECT r{};
    GetClientRect(hwnd_, &r);
    DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT);
    EndPaint(hwnd_, &paint);
    return 0;
  }
  return Default(message, wparam, lparam);
}

// ---- menus ----

MenuItem& MenuList::Add(const std::string& caption, std::function<void()> on_click, bool submenu) {
  const auto position = static_cast<UINT>(GetMenuItemCount(menu_));
  items_.push_back(std::make_unique<MenuItemImpl>(app_, menu_, position, caption, submenu));
  items_.back()->OnClick = std::move(on_click);
  if (changed_) changed_();
  return *items_.back();
}

void MenuList::AddSeparator() {
  AppendMenuA(menu_, MF_SEPARATOR, 0, nullptr);
  if (changed_) changed_();
}

MenuItem& MenuList::Item(std::size_t index) {
  return *items_.at(index);
}

MenuItemImpl::MenuItemImpl(Win32Application& app, HMENU parent, UINT position,
                           const std::string& caption, bool submenu)
    : app_(app), parent_(parent), position_(position), caption_(caption) {
  if (submenu) {
    // The parent menu owns the submenu's handle and destroys it with itself.
    HMENU sub = CreatePopupMenu();
    AppendMenuA(parent, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(sub), caption.c_str());
    sub_ = std::make_unique<MenuList>(app, sub);
  } else {
    id_ = app.RegisterCommand(this);
    AppendMenuA(parent, MF_STRING, id_, caption.c_str());
  }
}

MenuItemImpl::~MenuItemImpl() {
  if (id_) app_.UnregisterCommand(id_);
}

MenuItem& MenuItemImpl::Add(const std::string& caption, std::function<void()> on_click) {
  if (!sub_) throw std::logic_error("menu item " + caption_ + " has no submenu");
  return sub_->Add(caption, std::move(on_click), false);
}

MenuItem& MenuItemImpl::AddSubmenu(const std::string& caption) {
  if (!sub_) throw std::logic_error("menu item " + caption_ + " has no submenu");
  return sub_->Add(caption, {}, true);
}

void MenuItemImpl::AddSeparator() {
  if (!sub_) throw std::logic_error("menu item " + caption_ + " has no submenu");
  sub_->AddSeparator();
}

MenuItem& MenuItemImpl::Item(std::size_t index) {
  if (!sub_) throw std::out_of_range("menu item " + caption_ + " has no submenu");
  return sub_->Item(index);
}

void MenuItemImpl::SetDefault(bool is_default) {
  default_ = is_default;
  // The system shows one default item per menu, in bold.
  if (is_default)
    SetMenuDefaultItem(parent_, position_, TRUE);
  else if (GetMenuDefaultItem(parent_, TRUE, 0) == position_)
    SetMenuDefaultItem(parent_, static_cast<UINT>(-1), TRUE);
}

void MenuItemImpl::SetCaption(const std::string& caption) {
  caption_ = caption;
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_STRING;
  info.dwTypeData = caption_.data();
  SetMenuItemInfoA(parent_, position_, TRUE, &info);
}

void MenuItemImpl::SetChecked(bool checked) {
  checked_ = checked;
  CheckMenuItem(parent_, position_, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void MenuItemImpl::Click() {
  if (!OnClick) return;
  auto handler = OnClick;
  handler();
}

MainMenuImpl::MainMenuImpl(Win32Application& app, HWND form)
    : MenuOf(app, CreateMenu(),
             [this] {
               // An empty bar would still take its line: the menu joins the window
               // with its first item. The bar is laid out again once for a run of
               // changes, such as building the menu, rather than for each item.
               if (GetMenu(form_) != menu_.Get()) {
                 SetMenu(form_, menu_.Get());
               } else if (!redraw_posted_) {
                 redraw_posted_ = PostMessageA(form_, kRedrawMenuBar, 0, 0) != FALSE;
                 if (!redraw_posted_) DrawMenuBar(form_);
               }
             }),
      form_(form) {}

void MainMenuImpl::Redraw() {
  redraw_posted_ = false;
  DrawMenuBar(form_);
}

PopupMenuImpl::PopupMenuImpl(Win32Application& app) : MenuOf(app, CreatePopupMenu()), app_(app) {}

void PopupMenuImpl::Popup(Point at) {
  // The menu tracks properly only when its owner is the foreground window.
  HWND owner = GetForegroundWindow();
  if (!owner || GetWindowThreadProcessId(owner, nullptr) != GetCurrentThreadId())
    owner = app_.UtilityWindow();
  const auto id = static_cast<UINT>(
      TrackPopupMenu(menu_.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_LEFTALIGN | TPM_RIGHTBUTTON,
                     at.X, at.Y, 0, owner, nullptr));
  PostMessageA(owner, WM_NULL, 0, 0);
  if (id == 0) return;
  if (MenuItemImpl* item = app_.Command(id)) item->Click();
}

// ---- forms ----

FormImpl::FormImpl(Win32Application& app) : WindowObject(app), controls_(*this) {
  // A caption bar without system menu carries no buttons at all.
  CreateOwn(kFormClass, 0, WS_CAPTION | WS_THICKFRAME | WS_CLIPCHILDREN, {100, 100, 300, 300},
            nullptr);
  menu_ = std::make_unique<MainMenuImpl>(app, hwnd_);
}

std::string FormImpl::Caption() const {
  return WindowText(hwnd_);
}

void FormImpl::SetCaption(const std::string& caption) {
  SetWindowTextA(hwnd_, caption.c_str());
}

Rect FormImpl::Bounds() const {
  return WindowBounds(hwnd_);
}

void FormImpl::SetBounds(const Rect& bounds) {
  placing_ = true;
  MoveWindow(hwnd_, bounds.Left, bounds.Top, bounds.Width, bounds.Height, TRUE);
  placing_ = false;
}

void FormImpl::SetDesignedBounds(const Rect& bounds) {
  SetBounds(DesignedWindowBounds(bounds, hwnd_, dpi_));
}

Panel& FormImpl::AddPanel(Dock dock, int height) {
  PanelImpl& panel = Adopt(std::make_unique<PanelImpl>(app_, hwnd_, height));
  panels_.emplace_back(dock, &panel);
  Layout();
  return panel;
}

ListView& FormImpl::AddListView(const std::vector<ListColumn>& columns) {
  list_ = &Adopt(std::make_unique<ListViewImpl>(app_, hwnd_, columns));
  Layout();
  return *list_;
}

PopupMenu& FormImpl::AddPopupMenu() {
  popups_.push_back(std::make_unique<PopupMenuImpl>(app_));
  return *popups_.back();
}

void FormImpl::Show() {
  ShowWindow(hwnd_, SW_SHOW);
}

void FormImpl::Hide() {
  ShowWindow(hwnd_, SW_HIDE);
}

void FormImpl::BringToFront() {
  if (!IsWindowVisible(hwnd_)) return;
  // Becoming the foreground window puts it on top as well; raising it once
  // more would only cost a round of moves for it and its owned windows.
  SetForegroundWindow(hwnd_);
  if (GetForegroundWindow() == hwnd_) return;
  BringWindowToTop(hwnd_);
}

bool FormImpl::IsActiveWindow() const {
  return GetForegroundWindow() == hwnd_;
}

bool FormImpl::AskCloseQuery() {
  if (!OnCloseQuery) return true;
  auto query = OnCloseQuery;
  return query();
}

void FormImpl::Close() {
  if (!AskCloseQuery()) return;
  Hide();
  app_.FormClosed(*this);
}

bool FormImpl::PreviewKey(WPARAM key) {
  return OnKeyDown && !PassKeyDown(app_, OnKeyDown, key);
}

void FormImpl::Layout() {
  RECT r{};
  GetClientRect(hwnd_, &r);
  std::vector<DockedPanel> docked;
  for (const auto& [dock, panel] : panels_) docked.push_back({dock, Scaled(panel->Height())});
  const DockedLayout layout = DockPanels(r.right, r.bottom, docked);
  const auto place = [](HWND hwnd, const Rect& at) {
    MoveWindow(hwnd, at.Left, at.Top, at.Width, at.Height, TRUE);
  };
  for (std::size_t i = 0; i < panels_.size(); ++i)
    place(panels_[i].second->Hwnd(), layout.Panels[i]);
  if (list_) place(list_->Hwnd(), layout.Middle);
}

// Our own placing keeps the screen's pixels it was given, as the settings hold them.
void FormImpl::DpiChanged(WPARAM wparam, LPARAM lparam) {
  dpi_ = LOWORD(wparam);
  RescaleChildren(dpi_);
  if (!placing_) TakeSuggestedRect(hwnd_, lparam);
  Layout();
}

void FormImpl::RestoreFocus() {
  HWND target = last_focus_;
  if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowVisible(target))
    target = FirstTabStop(hwnd_);
  ::SetFocus(target ? target : hwnd_);
}

LRESULT FormImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (Reflect(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (lparam == 0 && HIWORD(wparam) == 0) {
        if (MenuItemImpl* item = app_.Command(LOWORD(wparam)))
          app_.Guard([item] { item->Click(); });
        return 0;
      }
      break;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_DPICHANGED:
      DpiChanged(wparam, lparam);
      return 0;
    case WM_CLOSE:
      app_.Guard([this] { Close(); });
      return 0;
    case WM_QUERYENDSESSION: {
      bool may_end = false;
      app_.Guard([&] {
        if (!OnQueryEndSession) {
          may_end = AskCloseQuery();
          return;
        }
        auto query = OnQueryEndSession;
        may_end = query();
      });
      return may_end;
    }
    case WM_ENDSESSION:
      if (wparam) app_.Terminate();
      return 0;
    case WM_SETTINGCHANGE:
      Raise(app_, OnSettingChange);
      break;
    case WM_ACTIVATE:
      // The focus leaves with the window and comes back to the same control.
      if (LOWORD(wparam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) last_focus_ = focus;
      } else {
        RestoreFocus();
      }
      return 0;
    case WM_SETFOCUS:
      RestoreFocus();
      return 0;
    case kRedrawMenuBar:
      menu_->Redraw();
      return 0;
    default:
      break;
  }
  return Default(message, wparam, lparam);
}

// ---- dialogs ----

DialogImpl::DialogImpl(Win32Application& app, HWND owner)
    : OwnedWindowImpl(app, owner, WS_EX_DLGMODALFRAME, 200) {}

ModalResult DialogImpl::ShowModal() {
  const Application::ModalScope modal(app_);
  result_ = ModalResult::None;
  const bool owner_enabled = owner_ && IsWindowEnabled(owner_);
  if (owner_enabled) EnableWindow(owner_, FALSE);
  JoinOwner();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (HWND first = FirstTabStop(hwnd_)) {
    ::SetFocus(first);
    if (SendMessageA(first, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
      SendMessageA(first, EM_SETSEL, 0, -1);
  }
  MSG msg;
  while (result_ == ModalResult::None) {
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit message for the outer loop.
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
      result_ = ModalResult::Cancel;
      break;
    }
    if (!IsDialogMessageA(hwnd_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  // The owner is enabled before the dialog hides, so that it gets the activation.
  if (owner_enabled) EnableWindow(owner_, TRUE);
  ShowWindow(hwnd_, SW_HIDE);
  LeaveOwner();
  return result_;
}

LRESULT DialogImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_COMMAND && (HIWORD(wparam) == BN_CLICKED || lparam == 0)) {
    // Enter and Esc arrive as IDOK and IDCANCEL, as do the buttons with those results.
    if (LOWORD(wparam) == IDOK) {
      result_ = ModalResult::Ok;
      return 0;
    }
    if (LOWORD(wparam) == IDCANCEL) {
      result_ = ModalResult::Cancel;
      return 0;
    }
  }
  // The dialog manager asks which button Enter presses, to draw it as the default.
  if (message == DM_GETDEFID && GetDlgItem(hwnd_, IDOK)) return MAKELRESULT(IDOK, DC_HASDEFID);
  LRESULT result = 0;
  if (Reflect(message, wparam, lparam, result)) return result;
  if (message == WM_CLOSE) {
    result_ = ModalResult::Cancel;
    return 0;
  }
  if (message == WM_DPICHANGED) {
    DpiChanged(wparam, lparam);
    return 0;
  }
  return Default(message, wparam, lparam);
}

}  // namespace vorn::win32

namespace vorn::win32 {

// ---- tool windows ----

ToolWindowImpl::ToolWindowImpl(Win32Application& app, HWND owner)
    : OwnedWindowImpl(app, owner, WS_EX_TOOLWINDOW, 80) {}

void ToolWindowImpl::Show() {
  JoinOwner();
  ShowWindow(hwnd_, SW_SHOW);
  SetForegroundWindow(hwnd_);
  if (HWND first = FirstTabStop(hwnd_)) ::SetFocus(first);
}

void ToolWindowImpl::Hide() {
  ShowWindow(hwnd_, SW_HIDE);
  LeaveOwner();
}

LRESULT ToolWindowImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (Reflect(message, wparam, lparam, result)) return result;
  switch (message) {
    case WM_CLOSE:
      Hide();
      Raise(app_, OnClose);
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wparam) != WA_INACTIVE) {
        if (HWND first = FirstTabStop(hwnd_)) ::SetFocus(first);
      }
      return 0;
    case WM_DPICHANGED:
      DpiChanged(wparam, lparam);
      return 0;
    default:
      return Default(message, wparam, lparam);
  }
}

}  // namespace vorn::win32
