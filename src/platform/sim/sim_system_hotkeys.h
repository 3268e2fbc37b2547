#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/sim_hidden_window.h"
#include "platform/system_hotkeys.h"

namespace vorn {

// A global atom table in memory: names compared without regard to case,
// atoms from 0xC000 up, each with its reference count.
class SimGlobalAtoms : public GlobalAtomTable {
 public:
  std::uint16_t Add(const std::string& name) override;
  void Delete(std::uint16_t atom) override;

  // 0 for a name that is not in the table.
  int References(const std::string& name) const;
  std::optional<std::uint16_t> AtomOf(const std::string& name) const;
  std::size_t Count() const { return atoms_.size(); }
  // A full table gives atom 0 for every new name.
  void SetFull(bool full) { full_ = full; }

 private:
  struct Atom {
    std::uint16_t Value;
    int References;
  };

  std::map<std::string, Atom> atoms_;  // by upper-cased name
  bool full_ = false;
};

// The system-wide hotkey table: one owner per keystroke, whatever program
// holds it. A press sends the hotkey message to the holder's window.
class SimSystemHotKeys : public SystemHotKeys {
 public:
  static constexpr WindowHandle kAnotherProgram = 1;

  struct Registration {
    WindowHandle Window;
    int Id;
    std::uint16_t Modifiers;
    std::uint16_t VirtualKey;
    bool operator==(const Registration&) const = default;
  };

  explicit SimSystemHotKeys(SimHiddenWindows& windows) : windows_(windows) {}

  bool Register(WindowHandle window, int id, std::uint16_t modifiers,
                std::uint16_t virtual_key) override;
  bool Unregister(WindowHandle window, int id) override;

  bool RegisterForAnotherProgram(std::uint16_t modifiers, std::uint16_t virtual_key) {
    return Register(kAnotherProgram, 0xBFFF, modifiers, virtual_key);
  }
  // Unregistrations fail and leave the hotkey in place while set.
  void RefuseUnregistrations(bool refuse) { refuse_unregistrations_ = refuse; }

  // The holder's procedure's result; nothing when no window of this process
  // holds the keystroke.
  std::optional<std::intptr_t> Press(std::uint16_t modifiers, std::uint16_t virtual_key);

  const std::vector<Registration>& Registrations() const { return registrations_; }

 private:
  SimHiddenWindows& windows_;
  std::vector<Registration> registrations_;
  bool refuse_unregistrations_ = false;
};

}  // namespace vorn
