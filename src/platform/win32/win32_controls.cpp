#include "platform/win32/win32_widgets.h"

namespace vorn::win32 {

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
// Posted by a list view to itself when its rows grew.
constexpr UINT kShowRows = WM_APP + 0x56;

int SystemCompare(const std::string& a, const std::string& b) {
  return lstrcmpA(a.c_str(), b.c_str());
}

}  // namespace

bool PassKeyDown(Win32Application& app, const std::function<void(VirtualKey&, ShiftState)>& handler,
                 WPARAM& key) {
  auto copy = handler;
  auto pressed = static_cast<VirtualKey>(key);
  const ShiftState shift{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                         GetKeyState(VK_MENU) < 0};
  bool handled = false;
  app.Guard([&] {
    copy(pressed, shift);
    handled = true;
  });
  // A failed handler drops the key, as a consumed one.
  if (!handled || pressed == 0) return false;
  key = pressed;
  return true;
}

// ---- label ----

LabelImpl::LabelImpl(Win32Application& app, HWND parent, Point at, const std::string& caption)
    : ControlImpl(app) {
  CreateControl("STATIC", 0, kChild | SS_LEFTNOWORDWRAP, {at.X, at.Y, 0, 0}, parent);
  SetCaption(caption);
}

std::string LabelImpl::Caption() const {
  return WindowText(hwnd_);
}

void LabelImpl::SetCaption(const std::string& caption) {
  SetWindowTextA(hwnd_, caption.c_str());
  Fit();
}

void LabelImpl::SetBoldFont(int height) {
  SetBold(bold_, height);
  Fit();
}

void LabelImpl::Rescale(int dpi) {
  WindowObject::Rescale(dpi);
  if (bold_height_ != 0) SetBold(bold_, bold_height_);
  Fit();
}

void LabelImpl::Fit() {
  const std::string caption = Caption();
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
  // Measured as the control draws it, with room for the last glyph: the
  // substitutes of the bitmap font draw a pixel or two past their advance.
  const int glyph_overhang = Scaled(3);
  RECT r{};
  DrawTextA(dc, caption.empty() ? " " : caption.c_str(), -1, &r,
            DT_CALCRECT | DT_LEFT | DT_EXPANDTABS | DT_SINGLELINE);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  SetWindowPos(hwnd_, nullptr, 0, 0, caption.empty() ? 0 : r.right - r.left + glyph_overhang,
               r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- edit ----

EditImpl::EditImpl(Win32Application& app, HWND parent, const Rect& bounds) : ControlImpl(app) {
  CreateControl("EDIT", WS_EX_CLIENTEDGE, kChild | WS_TABSTOP | ES_AUTOHSCROLL, bounds, parent);
}

std::string EditImpl::Text() const {
  return WindowText(hwnd_);
}

void EditImpl::SetText(const std::string& text) {
  SetWindowTextA(hwnd_, text.c_str());
}

void EditImpl::SelectAll() {
  SendMessageA(hwnd_, EM_SETSEL, 0, -1);
}

void EditImpl::SetReadOnly(bool read_only) {
  SendMessageA(hwnd_, EM_SETREADONLY, read_only, 0);
}

void EditImpl::SetBoldFont(int height) {
  SetBold(bold_, height);
}

void EditImpl::Rescale(int dpi) {
  WindowObject::Rescale(dpi);
  if (bold_height_ != 0) SetBold(bold_, bold_height_);
}

void EditImpl::OnCommand(WORD code) {
  if (code != EN_CHANGE || !OnChange) return;
  auto handler = OnChange;
  app_.Guard(handler);
}

LRESULT EditImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_CHAR:
      if (OnKeyPress) {
        auto handler = OnKeyPress;
        char key = static_cast<char>(wparam);
        bool handled = false;
        app_.Guard([&] {
          handler(key);
          handled = true;
        });
        // A failed handler drops the character, as a discarded one.
        if (!handled || key == '\0') return 0;
        wparam = static_cast<unsigned char>(key);
      }
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKeyDown && !PassKeyDown(app_, OnKeyDown, wparam)) return 0;
      break;
    case WM_LBUTTONDBLCLK: {
      const LRESULT result = Default(message, wparam, lparam);
      if (OnDblClick) {
        auto handler = OnDblClick;
        app_.Guard(handler);
      }
      return result;
    }
    default:
      break;
  }
  return Default(message, wparam, lparam);
}

// ---- check box ----

CheckBoxImpl::CheckBoxImpl(Win32Application& app, HWND parent, const Rect& bounds,
                           const std::string& caption)
    : ControlImpl(app) {
  CreateControl("BUTTON", 0, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, bounds, parent);
  SetWindowTextA(hwnd_, caption.c_str());
  FitCaption();
}

void CheckBoxImpl::Rescale(int dpi) {
  WindowObject::Rescale(dpi);
  FitCaption();
}

// The designed width holds the caption at 96 DPI. Fonts do not all grow in
// step with the DPI: at another DPI the box widens where the control says its
// caption needs more room.
void CheckBoxImpl::FitCaption() {
  if (dpi_ == kDesignDpi) return;
  SIZE ideal{};
  if (!SendMessageA(hwnd_, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal))) return;
  RECT r{};
  GetWindowRect(hwnd_, &r);
  if (ideal.cx <= r.right - r.left) return;
  SetWindowPos(hwnd_, nullptr, 0, 0, ideal.cx, r.bottom - r.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::string CheckBoxImpl::Caption() const {
  return WindowText(hwnd_);
}

bool CheckBoxImpl::Checked() const {
  return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBoxImpl::SetChecked(bool checked) {
  SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void CheckBoxImpl::OnCommand(WORD code) {
  if (code != BN_CLICKED || !OnClick) return;
  auto handler = OnClick;
  app_.Guard(handler);
}

// ---- combo box and button ----

ComboBoxImpl::ComboBoxImpl(Win32Application& app, HWND parent, const Rect& bounds,
                           const std::vector<std::string>& items)
    : ControlImpl(app), items_(items), designed_height_(bounds.Height) {
  // The window's height includes the list that drops down.
  Rect with_list = bounds;
  with_list.Height += static_cast<int>(items.size() + 1) * 16;
  CreateControl("COMBOBOX", 0, kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                with_list, parent);
  for (const std::string& item : items)
    SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  FitHeight();
}

void ComboBoxImpl::Rescale(int dpi) {
  WindowObject::Rescale(dpi);
  FitHeight();
}

// The closed box is as high as its font makes it, which at another DPI can
// fall short of the designed height; its field then grows to that height. How
// a field height asked for turns into the box's height is the control's own
// business (some add to it), so the first request is corrected once.
void ComboBoxImpl::FitHeight() {
  const int wanted = Scaled(designed_height_);
  const auto missing = [&] {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return wanted - (r.bottom - r.top);
  };
  int short_by = missing();
  if (short_by <= 0) return;
  LRESULT field = SendMessageA(hwnd_, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
  for (int step = 0; step < 2 && short_by != 0 && field + short_by > 0; ++step) {
    field += short_by;
    SendMessageA(hwnd_, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    short_by = missing();
  }
}

std::string ComboBoxImpl::Text() const {
  return WindowText(hwnd_);
}

void ComboBoxImpl::SetText(const std::string& text) {
  SetWindowTextA(hwnd_, text.c_str());
}

ButtonImpl::ButtonImpl(Win32Application& app, HWND parent, const Rect& bounds,
                       const std::string& caption, ModalResult result)
    : ControlImpl(app) {
  // The dialog reads the result from the button's identifier, as it reads Enter and Esc.
  const UINT id = result == ModalResult::Ok ? IDOK : result == ModalResult::Cancel ? IDCANCEL : 0;
  const DWORD kind = result == ModalResult::Ok ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  CreateControl("BUTTON", 0, kChild | WS_TABSTOP | kind, bounds, parent, id);
  SetWindowTextA(hwnd_, caption.c_str());
}

std::string ButtonImpl::Caption() const {
  return WindowText(hwnd_);
}

// ---- list view ----

// The view holds its rows itself and hands the control only the texts it draws
// (a virtual list), so loading many rows costs no per-row work in the control.
ListViewImpl::ListViewImpl(Win32Application& app, HWND parent,
                           const std::vector<ListColumn>& columns)
    : ControlImpl(app), rows_(SystemCompare), columns_(static_cast<int>(columns.size())) {
  CreateControl(WC_LISTVIEWA, WS_EX_CLIENTEDGE,
                kChild | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_OWNERDATA, {}, parent);
  const DWORD extended = LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT;
  SendMessageA(hwnd_, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
  for (std::size_t i = 0; i < columns.size(); ++i) {
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.cx = Scaled(columns[i].Width);
    column.pszText = const_cast<char*>(columns[i].Caption.c_str());
    column.iSubItem = static_cast<int>(i);
    SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
}

std::optional<std::size_t> ListViewImpl::ControlSelection() const {
  const auto index = static_cast<int>(
      SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
  if (index < 0) return std::nullopt;
  return static_cast<std::size_t>(index);
}

void ListViewImpl::PullSelection() {
  rows_.Select(ControlSelection());
}

void ListViewImpl::PushSelection() {
  const std::optional<std::size_t> selected = rows_.Selected();
  if (selected == ControlSelection()) return;
  LVITEMA item{};
  item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
  item.state = 0;
  SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
  if (selected) {
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, *selected, reinterpret_cast<LPARAM>(&item));
  }
}

void ListViewImpl::Show() {
  show_posted_ = false;
  SendMessageA(hwnd_, LVM_SETITEMCOUNT, rows_.Count(), LVSICF_NOSCROLL);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListViewImpl::ShowLater() {
  if (show_posted_) return;
  show_posted_ = PostMessageA(hwnd_, kShowRows, 0, 0) != 0;
  if (!show_posted_) Show();
}

template <class Change>
void ListViewImpl::Mutate(Change change) {
  if (rows_.Updating()) {
    change();
    return;
  }
  PullSelection();
  change();
  Show();
  PushSelection();
}

void ListViewImpl::Append(const StationRow& row) {
  if (rows_.Updating()) {
    rows_.Append(row);
    return;
  }
  PullSelection();
  const std::optional<std::size_t> selected = rows_.Selected();
  rows_.Append(row);
  // Rows in view before the new one keep their place unless the selection moved.
  if (rows_.Selected() != selected) {
    Show();
    PushSelection();
  } else {
    ShowLater();
  }
}

void ListViewImpl::Replace(std::size_t index, const StationRow& row) {
  Mutate([&] { rows_.Replace(index, row); });
}

void ListViewImpl::Remove(std::size_t index) {
  Mutate([&] { rows_.Remove(index); });
}

void ListViewImpl::Clear() {
  Mutate([&] { rows_.Clear(); });
}

void ListViewImpl::SetSorted(bool sorted) {
  Mutate([&] { rows_.SetSorted(sorted); });
}

std::optional<std::size_t> ListViewImpl::Selected() const {
  return rows_.Updating() ? rows_.Selected() : ControlSelection();
}

void ListViewImpl::Select(std::optional<std::size_t> index) {
  rows_.Select(index);
  if (rows_.Updating()) return;
  if (show_posted_) Show();  // the control must know the row first
  PushSelection();
}

void ListViewImpl::ScrollIntoView(std::size_t index) {
  if (show_posted_) Show();
  SendMessageA(hwnd_, LVM_ENSUREVISIBLE, index, FALSE);
}

void ListViewImpl::SetSelectionAlwaysShown(bool shown) {
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  SetWindowLongPtrA(hwnd_, GWL_STYLE,
                    shown ? style | LVS_SHOWSELALWAYS : style & ~LVS_SHOWSELALWAYS);
  InvalidateRect(hwnd_, nullptr, TRUE);
}

void ListViewImpl::BeginUpdate() {
  if (!rows_.Updating()) {
    PullSelection();
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
  }
  rows_.BeginUpdate();
}

void ListViewImpl::EndUpdate() {
  if (!rows_.EndUpdate()) return;
  SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
  Show();
  PushSelection();
}

void ListViewImpl::Rescale(int dpi) {
  const int old_dpi = dpi_;
  dpi_ = dpi;
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(app_.FormFont(dpi_)), TRUE);
  for (int i = 0; i < columns_; ++i) {
    const auto width = static_cast<int>(SendMessageA(hwnd_, LVM_GETCOLUMNWIDTH, i, 0));
    SendMessageA(hwnd_, LVM_SETCOLUMNWIDTH, i, MAKELPARAM(ScaleDpi(width, old_dpi, dpi_), 0));
  }
}

LRESULT ListViewImpl::OnNotify(NMHDR* header) {
  switch (header->code) {
    case LVN_GETDISPINFOA: {
      LVITEMA& item = reinterpret_cast<NMLVDISPINFOA*>(header)->item;
      if (!(item.mask & LVIF_TEXT) || !item.pszText || item.cchTextMax <= 0) return 0;
      item.pszText[0] = '\0';
      if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= rows_.Count()) return 0;
      const StationRow& row = rows_.At(static_cast<std::size_t>(item.iItem));
      const std::string* texts[] = {&row.Frequency, &row.Bandwidth, &row.Demodulator, &row.Name};
      if (item.iSubItem >= 0 && item.iSubItem < 4)
        lstrcpynA(item.pszText, texts[item.iSubItem]->c_str(), item.cchTextMax);
      return 0;
    }
    case NM_CLICK:
      if (OnClick) {
        auto handler = OnClick;
        app_.Guard(handler);
      }
      return 0;
    case LVN_ODFINDITEMA:
      return -1;
    default:
      return 0;
  }
}

LRESULT ListViewImpl::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_KEYDOWN:
      if (OnKeyDown) {
        auto handler = OnKeyDown;
        const auto key = static_cast<VirtualKey>(wparam);
        app_.Guard([&] { handler(key); });
      }
      break;
    case WM_KEYUP: {
      const LRESULT result = Default(message, wparam, lparam);
      if (OnKeyUp) {
        auto handler = OnKeyUp;
        const auto key = static_cast<VirtualKey>(wparam);
        app_.Guard([&] { handler(key); });
      }
      return result;
    }
    case kShowRows:
      if (show_posted_) Show();
      return 0;
    case WM_CONTEXTMENU:
      if (popup_) {
        Point at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        if (lparam == -1) {
          POINT cursor{};
          GetCursorPos(&cursor);
          at = {cursor.x, cursor.y};
        }
        app_.Guard([&] { popup_->Popup(at); });
        return 0;
      }
      break;
    default:
      break;
  }
  return Default(message, wparam, lparam);
}

}  // namespace vorn::win32
