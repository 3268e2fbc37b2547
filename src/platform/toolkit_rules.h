#pragma once

#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace vorn {

// Captions of the question box, as users (and scripts) press them.
inline constexpr char kQuestionCaption[] = "Informationen";
inline constexpr char kYesButton[] = "&Ja";
inline constexpr char kNoButton[] = "&Nein";
inline constexpr char kCancelButton[] = "Abbrechen";
inline constexpr char kOkButton[] = "OK";

// The application's title from the executable's path: the file name without
// directory, cut at its first ".", every letter after the first in lower case
// (Windows-1252 letters included). "C:\\Bin\\VORN.EXE" gives "Vorn".
std::string ApplicationTitle(const std::string& exe_path);

// The text of the error box: a full stop is added when the last character sorts
// after ".", so texts ending in ".", ")" or a blank are left alone.
std::string ErrorBoxText(const std::string& text);

// A panel docked to the top or the bottom edge of a form, its height in pixels.
struct DockedPanel {
  Dock Side = Dock::Top;
  int Height = 0;
};

// Where a form's panels and the control between them go in a client area of
// `width` by `height` pixels: the panels stack inwards from their edges in the
// order they were added, and the middle takes what is left, never less than nothing.
struct DockedLayout {
  std::vector<Rect> Panels;
  Rect Middle;
};
DockedLayout DockPanels(int width, int height, const std::vector<DockedPanel>& panels);

// Lower case of one byte in the Windows-1252 code page.
char AnsiLower(char c);

}  // namespace vorn
