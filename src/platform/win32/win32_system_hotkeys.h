#pragma once

#include "platform/system_hotkeys.h"

namespace vorn {

class Win32GlobalAtoms : public GlobalAtomTable {
 public:
  std::uint16_t Add(const std::string& name) override;
  void Delete(std::uint16_t atom) override;
};

class Win32SystemHotKeys : public SystemHotKeys {
 public:
  bool Register(WindowHandle window, int id, std::uint16_t modifiers,
                std::uint16_t virtual_key) override;
  bool Unregister(WindowHandle window, int id) override;
};

}  // namespace vorn
