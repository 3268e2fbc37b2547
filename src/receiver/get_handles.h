#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/window_tree.h"
#include "receiver/tuned_state.h"

namespace vorn {

// One control of the receiver program: its handle and normalised caption.
struct TChilds {
  WindowHandle Handle = 0;
  std::string Text;
};

using ControlTable = std::vector<TChilds>;

// Window texts are read into a buffer of this many characters.
inline constexpr std::size_t kWindowTextBuffer = 32;

inline constexpr const char* kStatusOk = "ok";

// The text cut at its first zero character and stripped at both ends of every
// character with code 32 or less.
std::string NormaliseText(const std::string& raw);

enum class Table { Main, Keypad };

// Finds the receiver program's main window and keypad window and keeps a table
// of the controls inside each.
class ReceiverLink {
 public:
  explicit ReceiverLink(WindowTree& tree) : tree_(tree) {}

  // The main window search: "Perseus" and "Dither" in the program.
  std::string FindMainControl(const std::string& title, const std::string& check_caption);
  // The keypad search; `version` only appears in its not-found message.
  std::string FindKeypadControl(const std::string& title, const std::string& check_caption,
                                const std::string& version);

  // Handle of the first control in table order whose caption equals `caption`.
  std::optional<WindowHandle> Lookup(Table table, const std::string& caption) const;

  const ControlTable& Controls(Table table) const { return search(table).Controls; }
  const std::vector<WindowHandle>& Candidates(Table table) const {
    return search(table).Candidates;
  }
  // The keypad's confirm caption, as given to the keypad search.
  const std::string& KeypadConfirm() const { return keypad_.CheckCaption; }

  // Whether `handle` still names a window whose normalised text is `caption`.
  bool StillValid(WindowHandle handle, const std::string& caption);
  // Runs both searches again with the titles and captions they were last given.
  bool Rediscover();
  // Both searches found what they looked for, the last time each ran: the
  // receiver program is running.
  bool Linked() const { return main_found_ && keypad_found_; }

  // Raised after every tuning through the control actions, reached or not.
  std::function<void()> OnTuning;

  WindowTree& Tree() { return tree_; }

  // Kept up to date by the control actions.
  TunedState& Tuned() { return tuned_; }
  const TunedState& Tuned() const { return tuned_; }

 private:
  struct Search {
    std::string Title;
    std::string CheckCaption;
    std::vector<WindowHandle> Candidates;
    ControlTable Controls;
  };

  struct Messages {
    std::string NoWindow;
    std::string NoControl;
  };

  std::string Run(Search& s, const std::string& title, const std::string& check_caption,
                  const Messages& messages);
  bool main_found_ = false;
  bool keypad_found_ = false;
  const Search& search(Table t) const { return t == Table::Main ? main_ : keypad_; }

  WindowTree& tree_;
  Search main_;
  Search keypad_;
  std::string version_;
  TunedState tuned_;
};

}  // namespace vorn
