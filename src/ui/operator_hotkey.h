#pragma once

#include <cstdint>

#include "components/hot_key_manager.h"

namespace vorn {

// One of the operator's hotkeys: the value in force, the value the settings
// file held at start (0 when it held none), and the registration that stands
// for it (index 0 when nothing is registered).
class OperatorHotKey {
 public:
  OperatorHotKey() = default;
  OperatorHotKey(std::uint32_t current, std::uint32_t saved) : current_(current), saved_(saved) {}

  std::uint32_t Current() const { return current_; }
  std::uint32_t Saved() const { return saved_; }
  std::uint16_t Index() const { return index_; }
  bool Changed() const { return current_ != saved_; }
  // Whether a press reported with this index is this hotkey's.
  bool Owns(std::uint16_t index) const { return index != 0 && index == index_; }

  // Registers the value in force; a refused registration leaves index 0.
  void Register(THotKeyManager& manager);
  // The operator captured `key`: it is in force from now on, registered in
  // place of the old registration, or anew when there was none (so that after
  // a refused key the operator can still try another).
  void Capture(THotKeyManager& manager, std::uint32_t key);

 private:
  std::uint32_t current_ = 0;
  std::uint32_t saved_ = 0;
  std::uint16_t index_ = 0;
};

}  // namespace vorn
