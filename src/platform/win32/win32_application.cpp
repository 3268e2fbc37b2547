#include <windows.h>

#include <commdlg.h>

#include <vector>

#include "platform/toolkit_rules.h"
#include "platform/win32/win32_toolkit.h"
#include "platform/win32/win32_widgets.h"

namespace vorn {
namespace win32 {

namespace {

void RegisterToolkitClass(const char* name, HICON icon, HICON small_icon) {
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = BoundWindow::ClassProc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.hIcon = icon;
  wc.hIconSm = small_icon;
  wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = name;
  // A second toolkit in the same process finds the classes registered already.
  RegisterClassExA(&wc);
}

// The question box's button captions and its place on the screen are set while
// the system's box is being activated, through a hook on this thread that
// lives as long as this object, or until it has dressed the box.
class BoxDressing {
 public:
  explicit BoxDressing(bool question)
      : question_(question),
        hook_(SetWindowsHookExA(WH_CBT, Dress, nullptr, GetCurrentThreadId())),
        outer_(current_) {
    current_ = this;
  }
  ~BoxDressing() {
    Unhook();
    current_ = outer_;
  }
  BoxDressing(const BoxDressing&) = delete;
  BoxDressing& operator=(const BoxDressing&) = delete;

 private:
  static LRESULT CALLBACK Dress(int code, WPARAM wparam, LPARAM lparam) {
    BoxDressing* self = current_;
    const LRESULT next = CallNextHookEx(nullptr, code, wparam, lparam);
    if (code != HCBT_ACTIVATE || !self || !self->hook_) return next;
    HWND box = reinterpret_cast<HWND>(wparam);
    char window_class[16] = {};
    GetClassNameA(box, window_class, sizeof(window_class));
    if (std::string(window_class) != "#32770") return next;
    if (self->question_) {
      SetDlgItemTextA(box, IDYES, kYesButton);
      SetDlgItemTextA(box, IDNO, kNoButton);
      SetDlgItemTextA(box, IDCANCEL, kCancelButton);
    } else {
      SetDlgItemTextA(box, IDOK, kOkButton);
    }
    RECT r{};
    GetWindowRect(box, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    SetWindowPos(box, nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                 (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    self->Unhook();
    return next;
  }

  void Unhook() {
    if (hook_) UnhookWindowsHookEx(hook_);
    hook_ = nullptr;
  }

  // The innermost box being shown on this thread.
  static thread_local BoxDressing* current_;
  bool question_;
  HHOOK hook_;
  BoxDressing* outer_;
};
thread_local BoxDressing* BoxDressing::current_ = nullptr;

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM areas) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (GetMonitorInfoA(monitor, &info)) {
    const RECT& r = info.rcWork;
    reinterpret_cast<std::vector<Rect>*>(areas)->push_back(
        {r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
  return TRUE;
}

using FileDialogFunction = BOOL(WINAPI*)(OPENFILENAMEA*);

// The file dialogs' library is loaded when a dialog is first opened: loading
// it (and the printing libraries it pulls in) at start would only delay the
// tray icon.
FileDialogFunction FileDialogEntry(FileDialogKind kind) {
  static HMODULE library = LoadLibraryA("comdlg32.dll");
  if (!library) return nullptr;
  return reinterpret_cast<FileDialogFunction>(reinterpret_cast<void (*)()>(GetProcAddress(
      library, kind == FileDialogKind::Open ? "GetOpenFileNameA" : "GetSaveFileNameA")));
}

}  // namespace

HFONT CreateToolkitFont(int height, bool bold) {
  return CreateFontA(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, "MS Sans Serif");
}

std::string WindowText(HWND window) {
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, buffer.data(), length + 1);
  return std::string(buffer.data(), copied > 0 ? static_cast<std::size_t>(copied) : 0);
}

Win32Application::Win32Application() {
  std::vector<char> path(32768, '\0');
  const DWORD length =
      GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size() - 1));
  title_ = ApplicationTitle(std::string(path.data(), length));

  icon_ = LoadIconA(GetModuleHandleA(nullptr), "MAINICON");
  if (!icon_) icon_ = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  // Without it, every class would have its own small icon made from the
  // resource anew, which is slow under Wine.
  HICON small_icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), "MAINICON",
                                                   IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));

  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  for (const char* name : {kFormClass, kPanelClass, kDialogClass, kUtilityClass})
    RegisterToolkitClass(name, icon_, small_icon);
  utility_.Reset(CreateWindowExA(WS_EX_TOOLWINDOW, kUtilityClass, title_.c_str(), WS_POPUP, 0, 0, 0,
                                 0, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
}

HFONT Win32Application::FormFont(int dpi) {
  std::unique_ptr<GdiFont>& font = form_fonts_[dpi];
  if (!font)
    font = std::make_unique<GdiFont>(CreateToolkitFont(ScaleDpi(-11, kDesignDpi, dpi), false));
  return font->Get();
}

void Win32Application::Run(Form& main_form) {
  main_form_ = &main_form;
  if (terminated_) return;
  running_ = true;
  if (show_main_form_) main_form.Show();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
  running_ = false;
}

void Win32Application::Dispatch(const MSG& msg) {
  if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    char window_class[16] = {};
    if (root && GetClassNameA(root, window_class, sizeof(window_class)) &&
        std::string(window_class) == kFormClass) {
      auto* form = dynamic_cast<FormImpl*>(WindowObject::FromHwnd(root));
      if (form && form->PreviewKey(msg.wParam)) return;
    }
  }
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

bool Win32Application::ProcessMessages() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      return false;
    }
    Dispatch(msg);
  }
  return true;
}

void Win32Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  // Before the loop runs, Run sees the flag; a quit message then would only end
  // the first box shown after it.
  if (running_) PostQuitMessage(0);
}

void Win32Application::FormClosed(Form& form) {
  if (&form == main_form_) Terminate();
}

Answer Win32Application::ShowBox(BoxKind kind, const std::string& text,
                                 const std::string& caption) {
  const ModalScope modal(*this);
  if (kind == BoxKind::SystemWarning) {
    MessageBoxA(nullptr, text.c_str(), caption.c_str(), MB_OK | MB_ICONEXCLAMATION);
    return Answer::Yes;
  }
  // Owned by the active window, which gets the activation back when the box
  // closes; without one, every window of the thread waits for the box.
  HWND owner = GetActiveWindow();
  UINT flags = (owner ? MB_APPLMODAL : MB_TASKMODAL) | MB_SETFOREGROUND;
  switch (kind) {
    case BoxKind::Question:
      flags |= MB_YESNOCANCEL | MB_ICONINFORMATION | MB_DEFBUTTON1;
      break;
    case BoxKind::Error:
      flags |= MB_OK | MB_ICONSTOP;
      break;
    default:
      flags |= MB_OK;
      break;
  }
  int pressed = 0;
  {
    const BoxDressing dressing(kind == BoxKind::Question);
    pressed = MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
  }
  switch (pressed) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDOK:
      return kind == BoxKind::Question ? Answer::Cancel : Answer::Yes;
    default:
      return Answer::Cancel;
  }
}

std::vector<Rect> Win32Application::MonitorWorkAreas() const {
  std::vector<Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

UINT Win32Application::RegisterCommand(MenuItemImpl* item) {
  const UINT id = next_command_++;
  commands_[id] = item;
  return id;
}

void Win32Application::UnregisterCommand(UINT id) {
  commands_.erase(id);
}

MenuItemImpl* Win32Application::Command(UINT id) const {
  const auto found = commands_.find(id);
  return found == commands_.end() ? nullptr : found->second;
}

std::string FileDialogImpl::Execute() {
  // "Texts|*.txt|All|*.*" becomes the system's list of zero-terminated strings.
  std::string filter = options_.Filter;
  for (char& c : filter)
    if (c == '|') c = '\0';
  filter.append(2, '\0');
  std::vector<char> file(32768, '\0');
  OPENFILENAMEA ofn{};
  ofn.lStructSize = sizeof(ofn);
  HWND owner = GetActiveWindow();
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = filter.c_str();
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = file.data();
  ofn.nMaxFile = static_cast<DWORD>(file.size() - 1);
  ofn.lpstrInitialDir = initial_dir_.empty() ? nullptr : initial_dir_.c_str();
  ofn.lpstrDefExt = options_.DefaultExt.empty() ? nullptr : options_.DefaultExt.c_str();
  // The working directory stays where the program started.
  ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
  const FileDialogFunction show = FileDialogEntry(kind_);
  const Application::ModalScope modal(app_);
  const BOOL chosen = show && show(&ofn);
  return chosen ? std::string(file.data()) : std::string();
}

class Win32Toolkit : public Toolkit {
 public:
  Application& App() override { return app_; }
  std::unique_ptr<Form> CreateForm() override { return std::make_unique<FormImpl>(app_); }
  std::unique_ptr<Dialog> CreateModalDialog(Form& owner) override {
    return std::make_unique<DialogImpl>(app_, reinterpret_cast<HWND>(owner.Handle()));
  }
  std::unique_ptr<ToolWindow> CreateToolWindow(Form& owner) override {
    return std::make_unique<ToolWindowImpl>(app_, reinterpret_cast<HWND>(owner.Handle()));
  }
  std::unique_ptr<FileDialog> CreateFileDialog(FileDialogKind kind,
                                               const FileDialogOptions& options) override {
    return std::make_unique<FileDialogImpl>(app_, kind, options);
  }

 private:
  Win32Application app_;
};

}  // namespace win32

std::unique_ptr<Toolkit> CreateWin32Toolkit() {
  return std::make_unique<win32::Win32Toolkit>();
}

}  // namespace vorn
