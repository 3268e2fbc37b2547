// The driver over the Win32 toolkit: input is posted to the windows as the
// system posts it, one step at a time, and handled by whichever message loop
// runs (the program's, a modal dialog's, a message box's or a menu's). Boxes,
// dialogs and popup menus are answered from inside their own loops, once a
// hook has seen them open.
#include <windows.h>

#include <commctrl.h>

#include <deque>
#include <set>
#include <stdexcept>

#include "platform/dpi_scale.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_widgets.h"
#include "toolkit_driver.h"

#include <gtest/gtest.h>

namespace vorn {

namespace {

// Posted to the driver's window.
constexpr UINT kNextStep = WM_APP + 0x101;
constexpr UINT kBoxShown = WM_APP + 0x102;
constexpr UINT kDialogShown = WM_APP + 0x103;
constexpr UINT kPopupShown = WM_APP + 0x104;
constexpr UINT kRunInside = WM_APP + 0x105;
constexpr UINT kMenuGetHmenu = 0x01E1;  // MN_GETHMENU
constexpr char kDriverClass[] = "VornToolkitDriver";

std::string ClassOf(HWND window) {
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

HWND HwndOf(const Control& control) {
  return dynamic_cast<const win32::WindowObject&>(control).Hwnd();
}

HWND HwndOf(const Window& window) {
  return reinterpret_cast<HWND>(window.Handle());
}

Rect ScreenRectOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

LPARAM PointParam(POINT p) {
  return MAKELPARAM(static_cast<short>(p.x), static_cast<short>(p.y));
}

// One piece of input: a message posted to a window (the one with the focus
// when none is named), or something the driver does between two of them.
struct Step {
  Step(HWND to, UINT what, WPARAM w, LPARAM l, int held = -1)
      : Window(to), Message(what), WParam(w), LParam(l), Shift(held) {}
  explicit Step(std::function<void()> act) : Action(std::move(act)) {}

  HWND Window = nullptr;
  UINT Message = 0;
  WPARAM WParam = 0;
  LPARAM LParam = 0;
  // The shift keys held while the message is handled: -1 leaves them alone.
  int Shift = -1;
  std::function<void()> Action;
};

class Win32Driver;
Win32Driver* g_driver = nullptr;
LRESULT CALLBACK DriverProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK CbtHook(int code, WPARAM wparam, LPARAM lparam);

class Win32Driver : public ToolkitDriver {
 public:
  Win32Driver()
      : kit_(CreateWin32Toolkit()), app_(dynamic_cast<win32::Win32Application&>(kit_->App())) {
    g_driver = this;
    WNDCLASSA wc{};
    wc.lpfnWndProc = DriverProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kDriverClass;
    RegisterClassA(&wc);
    window_ = CreateWindowExA(WS_EX_TOOLWINDOW, kDriverClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    hook_ = SetWindowsHookExA(WH_CBT, CbtHook, nullptr, GetCurrentThreadId());
  }

  ~Win32Driver() override {
    UnhookWindowsHookEx(hook_);
    SetShift(0);
    if (other_) DestroyWindow(other_);
    DestroyWindow(window_);
    kit_.reset();
    // Nothing of this test may reach the next one.
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
    g_driver = nullptr;
  }

  Toolkit& Kit() override { return *kit_; }

  void Type(const std::string& text) override {
    for (char c : text) {
      const SHORT scan = VkKeyScanA(c);
      if (scan == -1) {
        Queue(Step(nullptr, WM_CHAR, static_cast<unsigned char>(c), 1));
        continue;
      }
      Keystroke(static_cast<VirtualKey>(LOBYTE(scan)), HIBYTE(scan));
    }
    Settle();
  }

  void PressKey(VirtualKey key, ShiftState shift) override {
    Keystroke(key, (shift.Shift ? 1 : 0) | (shift.Ctrl ? 2 : 0) | (shift.Alt ? 4 : 0));
    Settle();
  }

  void Click(Control& control) override {
    Idle();
    HWND window = HwndOf(control);
    RECT r{};
    GetClientRect(window, &r);
    LeftClick(window, {r.right / 2, r.bottom / 2}, false);
    Settle();
  }

  void DoubleClick(Control& control) override {
    Idle();
    HWND window = HwndOf(control);
    RECT r{};
    GetClientRect(window, &r);
    LeftClick(window, {r.right / 2, r.bottom / 2}, true);
    Settle();
  }

  void ClickRow(ListView& list, std::size_t row) override {
    Idle();
    HWND view = HwndOf(list);
    RECT r{};
    r.left = LVIR_BOUNDS;
    if (!SendMessageA(view, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&r)))
      throw std::out_of_range("no such row to click");
    LeftClick(view, {r.left + 20, (r.top + r.bottom) / 2}, false);
    Settle();
  }

  void ClickBelowRows(ListView& list) override {
    Idle();
    HWND view = HwndOf(list);
    RECT client{};
    GetClientRect(view, &client);
    RECT header{};
    GetWindowRect(ListView_GetHeader(view), &header);
    int below = header.bottom - header.top;
    if (const auto count = SendMessageA(view, LVM_GETITEMCOUNT, 0, 0); count > 0) {
      RECT r{};
      r.left = LVIR_BOUNDS;
      SendMessageA(view, LVM_GETITEMRECT, count - 1, reinterpret_cast<LPARAM>(&r));
      below = r.bottom;
    }
    if (below + 5 >= client.bottom) throw std::logic_error("no room below the rows to click");
    LeftClick(view, {20, below + 5}, false);
    Settle();
  }

  void ContextMenu(ListView& list, Point at) override {
    HWND view = HwndOf(list);
    Queue(Step(view, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(view), PointParam({at.X, at.Y})));
    Settle();
  }

  void Choose(Form& form, const std::vector<std::string>& path) override {
    Idle();
    HMENU menu = GetMenu(HwndOf(form));
    UINT id = 0;
    for (std::size_t level = 0; level < path.size(); ++level) {
      const int position = Find(menu, path[level]);
      if (position < 0) throw std::invalid_argument("no menu item " + path[level]);
      if (level + 1 < path.size()) {
        menu = GetSubMenu(menu, position);
      } else {
        id = GetMenuItemID(menu, position);
      }
    }
    if (id == 0 || id == static_cast<UINT>(-1)) throw std::invalid_argument("not a command");
    Queue(Step(HwndOf(form), WM_COMMAND, MAKEWPARAM(id, 0), 0));
    Settle();
  }

  std::vector<std::string> MenuLayout(Form& form, const std::vector<std::string>& path) override {
    Idle();
    HMENU menu = GetMenu(HwndOf(form));
    for (const std::string& caption : path) {
      const int position = Find(menu, caption);
      if (position < 0) throw std::invalid_argument("no menu item " + caption);
      menu = GetSubMenu(menu, position);
    }
    std::vector<std::string> layout;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
      MENUITEMINFOA info{};
      info.cbSize = sizeof info;
      info.fMask = MIIM_FTYPE | MIIM_STATE;
      GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
      if (info.fType & MFT_SEPARATOR) {
        layout.push_back("-");
        continue;
      }
      char text[128] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      layout.push_back(((info.fState & MFS_CHECKED) ? "* " : "") + std::string(text));
    }
    return layout;
  }
  void ChooseInNextPopup(const std::string& caption) override { popup_choices_.push_back(caption); }
  std::vector<Point> PopupPositions() override { return popup_positions_; }

  void CloseButton(Window& window) override {
    Queue(Step(HwndOf(window), WM_CLOSE, 0, 0));
    Settle();
  }

  void ActivateOtherProgram() override {
    if (!other_)
      other_ = CreateWindowExA(0, kDriverClass, "Another program", WS_OVERLAPPEDWINDOW, 600, 500,
                               240, 120, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Queue(Step([this] {
      ShowWindow(other_, SW_SHOW);
      SetForegroundWindow(other_);
    }));
    Settle();
  }

  void MoveToDpi(Window& window, int dpi) override {
    Idle();
    HWND hwnd = HwndOf(window);
    const int old_dpi = window.Dpi();
    RECT client{};
    GetClientRect(hwnd, &client);
    // Wine draws the frame of the screen's own DPI whatever the window is
    // told, so that is the frame the suggestion leaves room for.
    RECT now{};
    GetWindowRect(hwnd, &now);
    RECT suggested{
        now.left, now.top,
        now.left + ScaleDpi(client.right, old_dpi, dpi) + (now.right - now.left) - client.right,
        now.top + ScaleDpi(client.bottom, old_dpi, dpi) + (now.bottom - now.top) - client.bottom};
    // The system sends it.
    SendMessageA(hwnd, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
    Settle();
  }

  void Run(Form& main, const std::function<void()>& while_running) override {
    run_inside_ = while_running;
    PostMessageA(window_, kRunInside, 0, 0);
    app_.Run(main);
  }

  void AnswerNextBox(const std::string& button) override { box_answers_.push_back({button, 0}); }
  void AnswerNextBoxWithKey(VirtualKey key) override { box_answers_.push_back({"", key}); }
  void WhileNextDialogIsOpen(std::function<void()> inside) override {
    dialog_answers_.push_back(std::move(inside));
  }
  std::vector<ShownBox> Boxes() override { return boxes_; }

  Rect ScreenRect(const Control& control) override {
    Idle();
    return ScreenRectOf(HwndOf(control));
  }

  Rect ClientRect(const Window& window) override {
    Idle();
    HWND hwnd = HwndOf(window);
    RECT r{};
    GetClientRect(hwnd, &r);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    return {origin.x, origin.y, r.right, r.bottom};
  }

  std::vector<std::string> RowTexts(ListView& list, std::size_t row) override {
    Idle();
    HWND view = HwndOf(list);
    std::vector<std::string> texts;
    const int columns = Header_GetItemCount(ListView_GetHeader(view));
    for (int column = 0; column < columns; ++column) {
      char text[512] = {};
      LVITEMA item{};
      item.iSubItem = column;
      item.pszText = text;
      item.cchTextMax = sizeof text;
      SendMessageA(view, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
      texts.emplace_back(text);
    }
    return texts;
  }

  std::vector<ListColumn> Columns(ListView& list) override {
    Idle();
    HWND view = HwndOf(list);
    std::vector<ListColumn> columns;
    const int count = Header_GetItemCount(ListView_GetHeader(view));
    // The toolkit's own idea of the window's DPI, which a move to another
    // screen changes.
    const auto* form =
        dynamic_cast<const Window*>(win32::WindowObject::FromHwnd(GetAncestor(view, GA_ROOT)));
    const int dpi = form ? form->Dpi() : kDesignDpi;
    for (int i = 0; i < count; ++i) {
      char text[128] = {};
      LVCOLUMNA column{};
      column.mask = LVCF_TEXT | LVCF_WIDTH;
      column.pszText = text;
      column.cchTextMax = sizeof text;
      SendMessageA(view, LVM_GETCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
      columns.push_back({text, ScaleDpi(column.cx, dpi, kDesignDpi)});
    }
    return columns;
  }

  bool RowInView(ListView& list, std::size_t row) override {
    Idle();
    HWND view = HwndOf(list);
    const auto top = static_cast<std::size_t>(SendMessageA(view, LVM_GETTOPINDEX, 0, 0));
    const auto page = static_cast<std::size_t>(SendMessageA(view, LVM_GETCOUNTPERPAGE, 0, 0));
    return row >= top && row < top + page;
  }

  // ---- from the driver's window and hook ----

  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
      case kNextStep:
        next_posted_ = false;
        NextStep();
        return 0;
      case kBoxShown:
        AnswerBox(reinterpret_cast<HWND>(wparam));
        return 0;
      case kDialogShown:
        AnswerDialog(reinterpret_cast<HWND>(wparam));
        return 0;
      case kPopupShown:
        AnswerPopup(reinterpret_cast<HWND>(wparam));
        return 0;
      case kRunInside: {
        const auto inside = std::move(run_inside_);
        if (inside) inside();
        if (!app_.Terminated()) app_.Terminate();
        return 0;
      }
      default:
        return DefWindowProcA(window, message, wparam, lparam);
    }
  }

  void Hooked(int code, HWND window) {
    if (code == HCBT_ACTIVATE) {
      const std::string name = ClassOf(window);
      if (name == "#32770" && seen_boxes_.insert(window).second) {
        PostMessageA(window_, kBoxShown, reinterpret_cast<WPARAM>(window), 0);
      } else if (name == win32::kDialogClass &&
                 (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME) &&
                 window != open_dialog_) {
        open_dialog_ = window;
        PostMessageA(window_, kDialogShown, reinterpret_cast<WPARAM>(window), 0);
      }
    } else if (code == HCBT_CREATEWND && ClassOf(window) == "#32768") {
      PostMessageA(window_, kPopupShown, reinterpret_cast<WPARAM>(window), 0);
    }
  }

 private:
  struct BoxAnswer {
    std::string Button;
    VirtualKey Key;
  };

  static int Find(HMENU menu, const std::string& caption) {
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
      char text[128] = {};
      GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
      if (caption == text) return i;
    }
    return -1;
  }

  static void SetShift(int shift) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const auto set = [&](int vk, bool down) { keys[vk] = down ? 0x80 : 0; };
    set(VK_SHIFT, shift & 1);
    set(VK_LSHIFT, shift & 1);
    set(VK_CONTROL, shift & 2);
    set(VK_LCONTROL, shift & 2);
    set(VK_MENU, shift & 4);
    set(VK_LMENU, shift & 4);
    SetKeyboardState(keys);
  }

  void Keystroke(VirtualKey key, int shift) {
    const UINT scan = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    const LPARAM down = 1 | (static_cast<LPARAM>(scan) << 16);
    const UINT down_message = (shift & 4) ? WM_SYSKEYDOWN : WM_KEYDOWN;
    const UINT up_message = (shift & 4) ? WM_SYSKEYUP : WM_KEYUP;
    Queue(Step(nullptr, down_message, key, down, shift));
    Queue(Step(nullptr, up_message, key, down | static_cast<LPARAM>(0xC0000000u), 0));
  }

  void LeftClick(HWND window, POINT at, bool twice) {
    Queue(Step(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(at)));
    Queue(Step(window, WM_LBUTTONUP, 0, PointParam(at)));
    if (!twice) return;
    Queue(Step(window, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(at)));
    Queue(Step(window, WM_LBUTTONUP, 0, PointParam(at)));
  }

  void Queue(Step step) {
    steps_.push_back(std::move(step));
    PostNext();
  }

  void PostNext() {
    if (next_posted_ || steps_.empty()) return;
    next_posted_ = PostMessageA(window_, kNextStep, 0, 0) != FALSE;
  }

  // Posts one step; the next follows once the loop has handled the messages
  // this one led to (a typed character comes after its key).
  void NextStep() {
    if (steps_.empty()) return;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (step.Shift >= 0) SetShift(step.Shift);
    if (step.Action) {
      step.Action();
    } else {
      HWND target = step.Window ? step.Window : GetFocus();
      if (!target) target = window_;
      PostMessageA(target, step.Message, step.WParam, step.LParam);
    }
    PostNext();
  }

  // What the loop has yet to handle before the user acts or looks, as the
  // program is idle when the user comes to it.
  void Idle() {
    if (!answering_) app_.ProcessMessages();
  }

  // Handles messages until the queued input has been taken. Inside an answer
  // the loop that runs the box or dialog does it.
  void Settle() {
    if (answering_) return;
    do {
      if (!app_.ProcessMessages()) return;
    } while (next_posted_);
  }

  void AnswerBox(HWND box) {
    if (!IsWindow(box)) return;
    ShownBox shown;
    shown.Caption = win32::WindowText(box);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (!IsWindowVisible(child)) continue;
      const std::string name = ClassOf(child);
      if (name == "Button") {
        shown.Buttons.push_back(win32::WindowText(child));
      } else if (name == "Static") {
        if ((GetWindowLongPtrA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
          const auto icon = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
          if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION)))
            shown.Icon = BoxIcon::Information;
          else if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_HAND)))
            shown.Icon = BoxIcon::Stop;
          else if (icon == LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_EXCLAMATION)))
            shown.Icon = BoxIcon::Exclamation;
        } else {
          shown.Text = win32::WindowText(child);
        }
      }
    }
    boxes_.push_back(shown);
    BoxAnswer answer{"", VK_ESCAPE};
    if (!box_answers_.empty()) {
      answer = box_answers_.front();
      box_answers_.pop_front();
    }
    if (answer.Key != 0) {
      Keystroke(answer.Key, 0);
      return;
    }
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      if (ClassOf(child) == "Button" && win32::WindowText(child) == answer.Button) {
        PostMessageA(child, BM_CLICK, 0, 0);
        return;
      }
    }
    ADD_FAILURE() << "the box \"" << shown.Text << "\" has no button " << answer.Button;
    Keystroke(VK_ESCAPE, 0);
  }

  void AnswerDialog(HWND dialog) {
    if (!dialog_answers_.empty()) {
      const auto inside = std::move(dialog_answers_.front());
      dialog_answers_.pop_front();
      const bool answering = answering_;
      answering_ = true;
      inside();
      answering_ = answering;
    }
    // Once its input is handled, a dialog still open is cancelled.
    Queue(Step([this, dialog] {
      if (IsWindowVisible(dialog)) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
      open_dialog_ = nullptr;
    }));
  }

  void AnswerPopup(HWND popup) {
    RECT r{};
    GetWindowRect(popup, &r);
    popup_positions_.push_back({r.left, r.top});
    std::string caption;
    if (!popup_choices_.empty()) {
      caption = popup_choices_.front();
      popup_choices_.pop_front();
    }
    const auto menu = reinterpret_cast<HMENU>(SendMessageA(popup, kMenuGetHmenu, 0, 0));
    const int position = caption.empty() ? -1 : Find(menu, caption);
    if (!caption.empty() && position < 0) ADD_FAILURE() << "no popup menu item " << caption;
    if (position < 0) {
      Keystroke(VK_ESCAPE, 0);
    } else {
      for (int i = 0; i <= position; ++i) Keystroke(VK_DOWN, 0);
      Keystroke(VK_RETURN, 0);
    }
  }

  std::unique_ptr<Toolkit> kit_;
  win32::Win32Application& app_;
  HWND window_ = nullptr;
  HWND other_ = nullptr;
  HHOOK hook_ = nullptr;
  std::deque<Step> steps_;
  bool next_posted_ = false;
  bool answering_ = false;
  std::deque<BoxAnswer> box_answers_;
  std::deque<std::function<void()>> dialog_answers_;
  std::deque<std::string> popup_choices_;
  std::vector<ShownBox> boxes_;
  std::vector<Point> popup_positions_;
  std::set<HWND> seen_boxes_;
  HWND open_dialog_ = nullptr;
  std::function<void()> run_inside_;
};

LRESULT CALLBACK DriverProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  if (g_driver) return g_driver->Handle(window, message, wparam, lparam);
  return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CALLBACK CbtHook(int code, WPARAM wparam, LPARAM lparam) {
  if (g_driver && code >= 0) g_driver->Hooked(code, reinterpret_cast<HWND>(wparam));
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace

std::unique_ptr<ToolkitDriver> MakeToolkitDriver() {
  return std::make_unique<Win32Driver>();
}

}  // namespace vorn
