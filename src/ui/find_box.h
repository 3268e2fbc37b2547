#pragma once

#include <memory>

#include "platform/toolkit.h"

namespace vorn {

// The small window that finds a station in the main window's list: typing
// selects the first row whose frequency, demodulator or name holds the text,
// F3 and Enter the next one, wrapping; Esc closes it. It only selects: the
// list's click and key events do not run, so nothing is tuned.
class TFindBox {
 public:
  static constexpr int kWidth = 220;
  static constexpr int kHeight = 80;

  TFindBox(Toolkit& toolkit, Form& owner, ListView& list);

  // Shows the box with its text selected just below the main window, right
  // edges aligned, or above it when the screen ends below: never over the
  // rows it finds.
  void Open();
  // Hides the box, leaving the focus where it is.
  void Hide();
  ToolWindow& Window() { return *window_; }

  Edit* EdtFind = nullptr;
  Label* LblResult = nullptr;  // "Not found" when nothing matches

 private:
  void EdtFindChange();
  void EdtFindKeyDown(VirtualKey& key, ShiftState shift);
  void EdtFindKeyPress(char& key);
  // Selects the first match from `start` on and scrolls to it.
  void FindFrom(std::size_t start);
  // Back to the list, with the focus there, so that Enter tunes the row found.
  void Dismiss();
  void Closed();

  Application& app_;
  Form& owner_;
  ListView& list_;
  std::unique_ptr<ToolWindow> window_;
};

}  // namespace vorn
