#pragma once

// The hands and eyes of the toolkit's behaviour tests: what a user does to a
// program's windows and what the user sees of them. The same tests run over
// the in-memory toolkit (natively) and over the Win32 toolkit (under Wine),
// each through a driver of its own.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/toolkit.h"

namespace vorn {

enum class BoxIcon { None, Information, Stop, Exclamation };

// A message box as the user saw it.
struct ShownBox {
  std::string Caption;
  std::string Text;
  BoxIcon Icon = BoxIcon::None;
  // In the box's order; the first is the default one.
  std::vector<std::string> Buttons;
  bool operator==(const ShownBox&) const = default;
};

class ToolkitDriver {
 public:
  virtual ~ToolkitDriver() = default;

  // One toolkit per driver, fresh for each test.
  virtual Toolkit& Kit() = 0;

  // ---- keyboard, to whatever has the focus, as a keyboard sends it ----

  // Each character's key goes down, types the character and comes up again.
  virtual void Type(const std::string& text) = 0;
  virtual void PressKey(VirtualKey key, ShiftState shift = {}) = 0;

  // ---- mouse ----

  // A left click in the middle of a control (a check box, an edit).
  virtual void Click(Control& control) = 0;
  virtual void DoubleClick(Control& control) = 0;
  virtual void ClickRow(ListView& list, std::size_t row) = 0;
  // A click into the view below its last row.
  virtual void ClickBelowRows(ListView& list) = 0;
  // The system's request for a context menu at a screen position.
  virtual void ContextMenu(ListView& list, Point at) = 0;

  // ---- menus and windows ----

  // A command of the form's menu bar, by the captions leading to it.
  virtual void Choose(Form& form, const std::vector<std::string>& path) = 0;
  // The items of the bar's submenu reached by `path`, as the user sees them:
  // a caption, "* " before it when checked, a separator as "-".
  virtual std::vector<std::string> MenuLayout(Form& form, const std::vector<std::string>& path) = 0;
  // The next popup menu that opens: the user chooses the item with this
  // caption with the keyboard, or leaves the menu with Esc when it is empty.
  virtual void ChooseInNextPopup(const std::string& caption) = 0;
  // Where the popup menus opened, in screen coordinates.
  virtual std::vector<Point> PopupPositions() = 0;
  // The system asks the window to close (its close button).
  virtual void CloseButton(Window& window) = 0;
  // A window of another program becomes the active one.
  virtual void ActivateOtherProgram() = 0;
  // The system tells the window that it moved to a screen of another DPI and
  // suggests a place for it: the same top left corner, the client area
  // scaled, the frame the system's at the new DPI.
  virtual void MoveToDpi(Window& window, int dpi) = 0;
  // Runs the application's message loop with `main` as its main form and,
  // inside it, `while_running`; ends the loop afterwards if it still runs.
  virtual void Run(Form& main, const std::function<void()>& while_running) = 0;

  // ---- modal boxes and dialogs: each answer is taken by the next one ----

  // The next message box is answered by pressing the button with this caption.
  virtual void AnswerNextBox(const std::string& button) = 0;
  // ... or by this key (Enter, Esc).
  virtual void AnswerNextBoxWithKey(VirtualKey key) = 0;
  // Runs `inside` while the next modal dialog is open and has the focus. What
  // it reads is the dialog as shown; what it types reaches the dialog after it
  // returns. A dialog that its input leaves open is then cancelled.
  virtual void WhileNextDialogIsOpen(std::function<void()> inside) = 0;
  // Every box shown so far; an unanswered one was closed with Esc.
  virtual std::vector<ShownBox> Boxes() = 0;

  // ---- what the user sees ----

  virtual Rect ScreenRect(const Control& control) = 0;
  // The client area of a window in screen coordinates.
  virtual Rect ClientRect(const Window& window) = 0;
  // The texts a row shows, column by column.
  virtual std::vector<std::string> RowTexts(ListView& list, std::size_t row) = 0;
  virtual std::vector<ListColumn> Columns(ListView& list) = 0;
  // Whether a row is wholly inside the view's visible area.
  virtual bool RowInView(ListView& list, std::size_t row) = 0;
};

// Made by the implementation the test program is linked with.
std::unique_ptr<ToolkitDriver> MakeToolkitDriver();

}  // namespace vorn
