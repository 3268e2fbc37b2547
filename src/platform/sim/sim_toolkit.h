#pragma once

// The toolkit in memory. Tests build the real forms on it and drive them as a user
// would: type into an edit, press keys, click check boxes, menu items and list
// rows; they queue the answers of the next question boxes, file dialogs and modal
// dialogs, and read back every box that was shown. Every user action runs its
// handlers through the application's top-level handler, as the real message loop
// does, so a framework error ends up in the recorded error box.
//
// It behaves as the Win32 toolkit does (the toolkit's behaviour tests run on
// both): a keystroke goes down, types its character and comes up again, the
// character arriving as a message that the next loop to run handles; the form
// sees keys before its controls; a dialog takes Tab, Enter and Esc; windows
// scale their client area by their DPI inside a frame of the system's.

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/sim/sim_controls.h"
#include "platform/sim/sim_keyboard.h"
#include "platform/sim/sim_list_view.h"
#include "platform/sim/sim_windows.h"
#include "platform/toolkit.h"

namespace vorn {

class SimApplication : public Application {
 public:
  SimApplication(SimToolkit& kit, std::string exe_path);

  std::string Title() const override;
  IconHandle Icon() const override { return kIcon; }
  bool ShowMainForm() const override { return show_main_form_; }
  void SetShowMainForm(bool show) override { show_main_form_ = show; }
  // Shows the main form unless told not to, and returns: the test then drives it.
  void Run(Form& main_form) override;
  void Terminate() override { terminated_ = true; }
  bool Terminated() const override { return terminated_; }
  Answer ShowBox(BoxKind kind, const std::string& text, const std::string& caption) override;

  std::vector<Rect> MonitorWorkAreas() const override { return work_areas_; }

  bool Running() const { return running_; }
  Form* MainForm() const { return main_form_; }
  void SetMonitorWorkAreas(std::vector<Rect> areas) { work_areas_ = std::move(areas); }

  static constexpr IconHandle kIcon = 0x1C0;

 private:
  SimToolkit& kit_;
  std::string exe_path_;
  bool show_main_form_ = true;
  bool terminated_ = false;
  bool running_ = false;
  Form* main_form_ = nullptr;
  std::vector<Rect> work_areas_ = {{0, 0, 1280, 984}};
};

struct SimBox {
  BoxKind Kind;
  std::string Text;
  std::string Caption;
  bool operator==(const SimBox&) const = default;
};

// What the system's box of a kind shows besides its texts.
enum class SimBoxIcon { None, Information, Stop, Exclamation };
SimBoxIcon IconOf(BoxKind kind);
// Its buttons, left to right; the first is the default one.
std::vector<std::string> ButtonsOf(BoxKind kind);
// The answer of a box whose button with this caption the user pressed;
// std::invalid_argument when the box has none.
Answer AnswerOfButton(BoxKind kind, const std::string& button);
// The answer of a box the user left with a key: Enter presses the default
// button, Esc cancels a question and closes any other box.
Answer AnswerOfKey(BoxKind kind, VirtualKey key);

struct SimFileDialogShown {
  FileDialogKind Kind;
  std::string InitialDir;
  std::string Filter;
  std::string DefaultExt;
};

struct SimDialogShown {
  std::string Caption;
  Rect Bounds;
  // The fields as they were when the dialog came up.
  std::vector<std::string> Fields;
};

class SimToolkit : public Toolkit {
 public:
  explicit SimToolkit(std::string exe_path = "C:\\Vorn\\VORN.EXE");
  ~SimToolkit() override;

  Application& App() override { return app_; }
  SimApplication& SimApp() { return app_; }
  std::unique_ptr<Form> CreateForm() override;
  std::unique_ptr<Dialog> CreateModalDialog(Form& owner) override;
  std::unique_ptr<ToolWindow> CreateToolWindow(Form& owner) override;
  std::unique_ptr<FileDialog> CreateFileDialog(FileDialogKind kind,
                                               const FileDialogOptions& options) override;

  // Every box shown, in order.
  const std::vector<SimBox>& Boxes() const { return boxes_; }
  void ClearBoxes() { boxes_.clear(); }
  // The answers of the next question boxes; with none queued a question is cancelled.
  void AnswerNextQuestion(Answer answer) {
    answers_.push_back([answer] { return answer; });
  }
  // The answer is given by running `answer` while the box is open.
  void AnswerNextQuestion(std::function<Answer()> answer) { answers_.push_back(std::move(answer)); }
  // Answers every box instead of the queue above (questions and others alike).
  void AnswerBoxesWith(std::function<Answer(const SimBox&)> answerer) {
    box_answerer_ = std::move(answerer);
  }

  // The file the next file dialog returns; empty cancels it (as does an empty queue).
  void PickNextFile(const std::string& path) { files_.push_back(path); }
  const std::vector<SimFileDialogShown>& FileDialogsShown() const { return file_dialogs_; }

  // How the next modal dialog is answered: the field texts (in tab order, as many
  // as given) are set, then the dialog closes with the result. With none
  // queued a dialog is cancelled.
  void AnswerNextDialog(ModalResult result, std::vector<std::string> field_texts = {});
  void AnswerNextDialog(std::function<ModalResult(SimDialog&)> answer) {
    dialog_answers_.push_back(std::move(answer));
  }
  const std::vector<SimDialogShown>& DialogsShown() const { return dialogs_; }

  // The user chooses a menu item, or the item at the end of a path of captions.
  void Choose(MenuItem& item);
  void Choose(MenuItems& menu, const std::vector<std::string>& path);
  // The next popup menu that opens without a choice of its own: the item with
  // this caption, or none when empty.
  void ChooseInNextPopup(const std::string& caption) { popup_choices_.push_back(caption); }
  // Where every popup menu opened.
  const std::vector<Point>& PopupPositions() const { return popup_positions_; }
  // Another program becomes the active one.
  void ActivateOtherProgram() { active_ = nullptr; }
  // The screen's dots per inch, 96 unless a test sets another; windows take it
  // when they are made.
  int Dpi() const { return dpi_; }
  void SetDpi(int dpi) { dpi_ = dpi; }

  // The user presses and releases a key: it goes to `target` (the focused
  // widget of the active window when null), through the window's own keys
  // and the form's look at it; the character it types (`typed`, or the
  // key's own) follows as a message, and the release after that. True when
  // the window, the form or the control's handler consumed the key.
  bool Keystroke(VirtualKey key, ShiftState shift = {}, SimWidget* target = nullptr,
                 std::optional<char> typed = std::nullopt);

  // Runs a user action as the message loop would: errors go to the error box,
  // and the messages it posted are handled after it.
  void UserAction(const std::function<void()>& action);
  // Queues a message; a loop that runs next (the program's, or a modal
  // one's as it starts) handles it.
  void Post(std::function<void()> message) { posted_.push_back(std::move(message)); }
  void HandlePosted();

  // Used by the sim widgets.
  void NotePopup(Point at) { popup_positions_.push_back(at); }
  std::optional<std::string> NextPopupChoice();
  SimWindow* ActiveWindow() const { return active_; }
  void SetActiveWindow(SimWindow* window) { active_ = window; }
  void Remember(SimWindow* window) { windows_.push_back(window); }
  void Forget(SimWindow* window);
  // Every window that lives, in the order they were made.
  const std::vector<SimWindow*>& Windows() const { return windows_; }
  WindowHandle NewHandle() { return next_handle_ += 4; }
  Answer NextAnswer(const SimBox& box);
  std::string NextFile(const SimFileDialogShown& shown);
  ModalResult NextDialogResult(SimDialog& dialog);
  void RecordBox(const SimBox& box) { boxes_.push_back(box); }

 private:
  SimApplication app_;
  std::vector<SimBox> boxes_;
  std::deque<std::function<Answer()>> answers_;
  std::function<Answer(const SimBox&)> box_answerer_;
  std::deque<std::string> files_;
  std::vector<SimFileDialogShown> file_dialogs_;
  std::deque<std::function<ModalResult(SimDialog&)>> dialog_answers_;
  std::vector<SimDialogShown> dialogs_;
  std::deque<std::string> popup_choices_;
  std::vector<Point> popup_positions_;
  std::deque<std::function<void()>> posted_;
  SimWindow* active_ = nullptr;
  std::vector<SimWindow*> windows_;
  int dpi_ = 96;
  WindowHandle next_handle_ = 0x5000;
};

// The sim side of a toolkit object, for tests that hold the interface. The
// declarations name each interface's sim type; nothing calls them.
SimForm* SimSideOf(Form*);
SimDialog* SimSideOf(Dialog*);
SimEdit* SimSideOf(Edit*);
SimCheckBox* SimSideOf(CheckBox*);
SimLabel* SimSideOf(Label*);
SimComboBox* SimSideOf(ComboBox*);
SimListView* SimSideOf(ListView*);
SimPopupMenu* SimSideOf(PopupMenu*);
SimToolWindow* SimSideOf(ToolWindow*);
SimWindow* SimSideOf(Window*);

template <class T>
auto& AsSim(T& object) {
  return dynamic_cast<std::remove_pointer_t<decltype(SimSideOf(&object))>&>(object);
}

}  // namespace vorn
