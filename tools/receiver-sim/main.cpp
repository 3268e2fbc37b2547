// The receiver stand-in: shows the receiver program's main window and its
// frequency keypad with the titles and captions Vorn looks for, acts on clicks
// as the receiver would, and logs every click and the state it causes.
//
//   receiver-sim.exe [--log FILE] [--keypad-title TEXT --confirm TEXT]
//                    [--no-dither] [--no-keypad] [--decoy] [--hang-ms N]
//
// Log lines (LF, tab-separated, first field microseconds of the performance
// counter): "ready" once all windows exist, "click <window title> <caption>"
// for every click, then "tuned <entry>", "demod <caption>" or
// "bandwidth <caption>" for the state it changed.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Options {
  const char* log_path = nullptr;
  std::string keypad_title = "Frequency";
  std::string confirm = "kHz";
  bool dither = true;
  bool keypad = true;
  bool decoy = false;
  DWORD hang_ms = 0;
};

const std::vector<std::string> kDemodulators = {"AM",  "SAM", "CW",  "RTTY", "LSB",
                                                "USB", "FM",  "DRM", "USER"};
const std::vector<std::string> kBandwidths = {"50 kHz", "25 kHz", "12 kHz", "6 kHz",
                                              "3 kHz",  "1.6kHz", "0.8kHz"};

constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 26;
constexpr int kGap = 6;

Options g_options;
FILE* g_log = nullptr;
HWND g_main = nullptr;
HWND g_keypad = nullptr;
HWND g_state_text = nullptr;
HWND g_entry_text = nullptr;
std::string g_pending;
std::string g_tuned = "-";
std::string g_demod = "-";
std::string g_bandwidth = "-";

long long Microseconds() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return count.QuadPart / frequency.QuadPart * 1000000 +
         count.QuadPart % frequency.QuadPart * 1000000 / frequency.QuadPart;
}

void Log(const std::string& event) {
  if (!g_log) return;
  std::fprintf(g_log, "%lld\t%s\n", Microseconds(), event.c_str());
  std::fflush(g_log);
}

std::string TextOf(HWND window) {
  char buffer[256] = {};
  GetWindowTextA(window, buffer, sizeof buffer);
  return buffer;
}

bool Contains(const std::vector<std::string>& list, const std::string& text) {
  return std::find(list.begin(), list.end(), text) != list.end();
}

// Shown texts carry a label so that they never equal a caption Vorn looks for.
void ShowState() {
  if (g_state_text) {
    const std::string state =
        "Tuned: " + g_tuned + " kHz   Mode: " + g_demod + "   Bandwidth: " + g_bandwidth;
    SetWindowTextA(g_state_text, state.c_str());
  }
  if (g_entry_text) SetWindowTextA(g_entry_text, ("Entry: " + g_pending).c_str());
}

void OnClick(HWND window, HWND button) {
  const std::string caption = TextOf(button);
  Log("click\t" + TextOf(window) + "\t" + caption);
  if (g_options.hang_ms) Sleep(g_options.hang_ms);
  if (window == g_keypad) {
    if (caption == g_options.confirm) {
      g_tuned = g_pending;
      g_pending.clear();
      Log("tuned\t" + g_tuned);
    } else {
      g_pending += caption;
    }
  } else if (window == g_main) {
    if (Contains(kDemodulators, caption)) {
      g_demod = caption;
      Log("demod\t" + caption);
    } else if (Contains(kBandwidths, caption)) {
      g_bandwidth = caption;
      Log("bandwidth\t" + caption);
    }
  }
  ShowState();
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (HIWORD(wparam) == BN_CLICKED && lparam) OnClick(window, reinterpret_cast<HWND>(lparam));
      return 0;
    case WM_DESTROY:
      if (window == g_main || window == g_keypad) PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(window, message, wparam, lparam);
  }
}

HWND CreateTopLevel(const std::string& title, int x, int y, int client_width, int client_height) {
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame = {0, 0, client_width, client_height};
  AdjustWindowRect(&frame, style, FALSE);
  return CreateWindowExA(0, "ReceiverSim", title.c_str(), style, x, y, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                         nullptr);
}

HWND AddControl(HWND parent, const char* window_class, const std::string& text, int x, int y,
                int width, int height) {
  static int next_id = 100;
  const DWORD style =
      WS_CHILD | WS_VISIBLE | (std::strcmp(window_class, "BUTTON") == 0 ? BS_PUSHBUTTON : SS_LEFT);
  return CreateWindowExA(0, window_class, text.c_str(), style, x, y, width, height, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(next_id++)),
                         GetModuleHandleA(nullptr), nullptr);
}

void AddButtonRow(HWND parent, const std::vector<std::string>& captions, int y) {
  int x = kGap;
  for (const std::string& caption : captions) {
    AddControl(parent, "BUTTON", caption, x, y, kButtonWidth, kButtonHeight);
    x += kButtonWidth + kGap;
  }
}

// The main window: Dither, then the demodulators, the bandwidths and the state.
HWND CreateMain(int x, int y) {
  const int row = kButtonHeight + kGap;
  const int width = static_cast<int>(kDemodulators.size()) * (kButtonWidth + kGap) + kGap;
  HWND window = CreateTopLevel("Perseus", x, y, width, 4 * row + kGap);
  if (g_options.dither)
    AddControl(window, "BUTTON", "Dither", kGap, kGap, kButtonWidth, kButtonHeight);
  AddButtonRow(window, kDemodulators, kGap + row);
  AddButtonRow(window, kBandwidths, kGap + 2 * row);
  g_state_text = AddControl(window, "STATIC", "", kGap, kGap + 3 * row, width - 2 * kGap, 20);
  return window;
}

HWND CreateKeypad(int x, int y) {
  const std::vector<std::vector<std::string>> rows = {
      {"7", "8", "9"}, {"4", "5", "6"}, {"1", "2", "3"}, {"0", ".", g_options.confirm}};
  const int row = kButtonHeight + kGap;
  const int width = 3 * (kButtonWidth + kGap) + kGap;
  HWND window = CreateTopLevel(g_options.keypad_title, x, y, width, 5 * row + kGap);
  g_entry_text = AddControl(window, "STATIC", "", kGap, kGap, width - 2 * kGap, 20);
  for (std::size_t i = 0; i < rows.size(); ++i)
    AddButtonRow(window, rows[i], kGap + static_cast<int>(i + 1) * row);
  return window;
}

// A second window with the main window's title and no captioned control.
HWND CreateDecoy(int x, int y) {
  HWND window =
      CreateTopLevel("Perseus", x, y, 2 * kButtonWidth + 3 * kGap, kButtonHeight + 2 * kGap);
  AddControl(window, "BUTTON", "", kGap, kGap, kButtonWidth, kButtonHeight);
  AddControl(window, "STATIC", "", 2 * kGap + kButtonWidth, kGap, kButtonWidth, kButtonHeight);
  return window;
}

bool ParseOptions(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string option = argv[i];
    const bool has_value = i + 1 < argc;
    if (option == "--log" && has_value) {
      g_options.log_path = argv[++i];
    } else if (option == "--keypad-title" && has_value) {
      g_options.keypad_title = argv[++i];
    } else if (option == "--confirm" && has_value) {
      g_options.confirm = argv[++i];
    } else if (option == "--hang-ms" && has_value) {
      g_options.hang_ms = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 10));
    } else if (option == "--no-dither") {
      g_options.dither = false;
    } else if (option == "--no-keypad") {
      g_options.keypad = false;
    } else if (option == "--decoy") {
      g_options.decoy = true;
    } else {
      std::fprintf(stderr, "receiver-sim: unknown or incomplete option %s\n", option.c_str());
      return false;
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!ParseOptions(argc, argv)) return 2;
  if (g_options.log_path) {
    g_log = std::fopen(g_options.log_path, "ab");
    if (!g_log) {
      std::fprintf(stderr, "receiver-sim: cannot open %s\n", g_options.log_path);
      return 2;
    }
  }

  WNDCLASSA window_class = {};
  window_class.lpfnWndProc = WindowProc;
  window_class.hInstance = GetModuleHandleA(nullptr);
  window_class.hCursor = LoadCursor(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = "ReceiverSim";
  RegisterClassA(&window_class);

  HWND decoy = g_options.decoy ? CreateDecoy(10, 300) : nullptr;
  g_main = CreateMain(10, 10);
  if (g_options.keypad) g_keypad = CreateKeypad(640, 10);
  ShowState();
  for (HWND window : {g_main, g_keypad, decoy}) {
    if (window) ShowWindow(window, SW_SHOWNOACTIVATE);
  }
  // The decoy was created first but must be met first by a search in Z order.
  if (decoy) SetWindowPos(decoy, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Log("ready");

  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  if (g_log) std::fclose(g_log);
  return 0;
}
