#pragma once

#include <cstdint>
#include <string>

#include "platform/window_tree.h"

namespace vorn {

// The system's global atom table: names shared by all programs, counted by
// reference.
class GlobalAtomTable {
 public:
  virtual ~GlobalAtomTable() = default;

  // The atom of `name`, adding one reference; the same name yields the same
  // atom. 0 when the table gives none.
  virtual std::uint16_t Add(const std::string& name) = 0;
  // Removes one reference.
  virtual void Delete(std::uint16_t atom) = 0;
};

// System-wide hotkeys: a keystroke registered for a window sends that window
// the hotkey message on each press.
class SystemHotKeys {
 public:
  virtual ~SystemHotKeys() = default;

  // False when the keystroke is taken, by this or any other program.
  virtual bool Register(WindowHandle window, int id, std::uint16_t modifiers,
                        std::uint16_t virtual_key) = 0;
  virtual bool Unregister(WindowHandle window, int id) = 0;
};

}  // namespace vorn
