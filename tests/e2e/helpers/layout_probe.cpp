// Reads the layout of another program's window as the screen shows it, for the
// DPI checks.
//
//   layout-probe.exe text-width <text> [dpi]
//     the text's width in the toolkit's normal font at the DPI (default 96)
//   layout-probe.exe <handle> [dpi]
//     dpi      <TAB> the window's DPI, or the one given for a window that was
//              told of another DPI than the system gave it
//     client   <TAB> width <TAB> height of its client area
//     menubar  <TAB> height of its menu bar <TAB> height of one line of a bar
//     control  <TAB> path <TAB> kind <TAB> left top width height <TAB> text
//              for every visible control, in the parent's client area; the path
//              numbers the visible children level by level ("1.0": the first
//              child of the second child); the kind is the class, for buttons
//              "Button/check" or "Button/push", for labels "Static/normal" or
//              "Static/bold" when the label is as high as the toolkit's normal
//              or bold font makes it at the window's DPI, else "Static/other".
//              Only the toolkit's own windows are looked into, not the inside
//              of system controls.
//     column   <TAB> path <TAB> index <TAB> width, for the columns of list views
//     overlap  <TAB> path <TAB> path, for two siblings that share pixels
//     outside  <TAB> path, for a control not wholly inside its parent's client area
//     cut      <TAB> path <TAB> needed width, for a label, check box or button too
//              small for its text in the toolkit's font
//
// Fonts belong to the program that made them, so the text is measured in the
// toolkit's fonts made here at the window's DPI; labels size themselves to their
// text, so their heights tell which of these fonts they were given.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/win32/win32_dpi.h"
#include "platform/win32/win32_widgets.h"

namespace {

std::string ClassOf(HWND window) {
  char buffer[256] = {};
  GetClassNameA(window, buffer, sizeof buffer);
  return buffer;
}

std::string TextOf(HWND window) {
  char buffer[512] = {};
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof buffer, reinterpret_cast<LPARAM>(buffer),
                           SMTO_ABORTIFHUNG, 500, &length))
    return {};
  return std::string(buffer, length < sizeof buffer ? length : 0);
}

// The text's extent in a toolkit font of a height designed at 96 DPI.
SIZE TextExtent(const std::string& text, int designed_height, bool bold, int dpi) {
  HFONT font = vorn::win32::CreateToolkitFont(MulDiv(designed_height, dpi, 96), bold);
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32A(dc, text.empty() ? " " : text.c_str(),
                        text.empty() ? 1 : static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return size;
}

int TextWidth(const std::string& text, int dpi) {
  return TextExtent(text, -11, false, dpi).cx;
}

std::string KindOf(HWND window, const RECT& r, int dpi) {
  const std::string cls = ClassOf(window);
  if (cls == "Static") {
    const int height = r.bottom - r.top;
    if (height == TextExtent("", -11, false, dpi).cy) return "Static/normal";
    if (height == TextExtent("", -13, true, dpi).cy) return "Static/bold";
    return "Static/other";
  }
  if (cls != "Button") return cls;
  const auto style = GetWindowLongPtrA(window, GWL_STYLE) & BS_TYPEMASK;
  return style == BS_AUTOCHECKBOX || style == BS_CHECKBOX ? "Button/check" : "Button/push";
}

RECT InParent(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The width the control's text needs, 0 for a control without text to fit.
int NeededWidth(HWND window, const std::string& kind, int dpi) {
  const std::string text = TextOf(window);
  if (text.empty()) return 0;
  // A check box's square, drawn at the DPI the system gave the window (the
  // caption's advance leaves room for the gap after it); a button's edges.
  if (kind == "Button/check")
    return MulDiv(13, vorn::win32::WindowDpi(window), 96) + TextWidth(text, dpi);
  if (kind == "Button/push") return MulDiv(6, dpi, 96) + TextWidth(text, dpi);
  if (kind == "Static/normal") return TextWidth(text, dpi);
  return 0;
}

void Walk(HWND parent, const std::string& path, int dpi) {
  RECT client{};
  GetClientRect(parent, &client);
  std::vector<std::pair<HWND, RECT>> shown;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const std::string child_path = path + (path.empty() ? "" : ".") + std::to_string(shown.size());
    const std::string cls = ClassOf(child);
    const RECT r = InParent(child);
    const std::string kind = KindOf(child, r, dpi);
    std::printf("control\t%s\t%s\t%ld %ld %ld %ld\t%s\n", child_path.c_str(), kind.c_str(), r.left,
                r.top, r.right - r.left, r.bottom - r.top, TextOf(child).c_str());
    if (cls == WC_LISTVIEWA) {
      HWND header = reinterpret_cast<HWND>(SendMessageA(child, LVM_GETHEADER, 0, 0));
      const auto columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
      for (int i = 0; i < columns; ++i)
        std::printf("column\t%s\t%d\t%d\n", child_path.c_str(), i,
                    static_cast<int>(SendMessageA(child, LVM_GETCOLUMNWIDTH, i, 0)));
    }
    if (r.left < 0 || r.top < 0 || r.right > client.right || r.bottom > client.bottom)
      std::printf("outside\t%s\n", child_path.c_str());
    const int needed = NeededWidth(child, kind, dpi);
    if (needed > r.right - r.left) std::printf("cut\t%s\t%d\n", child_path.c_str(), needed);
    for (std::size_t i = 0; i < shown.size(); ++i) {
      RECT common{};
      if (IntersectRect(&common, &shown[i].second, &r))
        std::printf("overlap\t%s\t%s%s%zu\n", child_path.c_str(), path.c_str(),
                    path.empty() ? "" : ".", i);
    }
    shown.emplace_back(child, r);
    if (cls.rfind("Vorn", 0) == 0) Walk(child, child_path, dpi);
  }
}

}  // namespace

int main(int argc, char** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  // The screen's own pixels, not those of a program that knows nothing of DPI.
  SetProcessDPIAware();
  if ((argc == 3 || argc == 4) && std::string(argv[1]) == "text-width") {
    std::printf("%d\n", TextWidth(argv[2], argc == 4 ? std::atoi(argv[3]) : 96));
    return 0;
  }
  if (argc != 2 && argc != 3) {
    std::fprintf(stderr, "usage: layout-probe.exe <handle> [dpi]\n");
    return 2;
  }
  HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(std::strtoull(argv[1], nullptr, 0)));
  if (!IsWindow(window)) {
    std::fprintf(stderr, "layout-probe: no window %s\n", argv[1]);
    return 1;
  }
  const int dpi = argc == 3 ? std::atoi(argv[2]) : vorn::win32::WindowDpi(window);
  RECT client{};
  GetClientRect(window, &client);
  std::printf("dpi\t%d\nclient\t%ld\t%ld\n", dpi, client.right, client.bottom);
  // Menus cannot be read from another process under Wine: the bar is what
  // lies between the frame and caption and the client area.
  RECT frame{};
  GetWindowRect(window, &frame);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  RECT bare{0, 0, 0, 0};
  AdjustWindowRectEx(&bare, static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE)));
  std::printf("menubar\t%ld\t%d\n", origin.y - frame.top + bare.top, GetSystemMetrics(SM_CYMENU));
  Walk(window, "", dpi);
  return 0;
}
