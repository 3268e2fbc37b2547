#include "platform/win32/win32_system_hotkeys.h"

#include <windows.h>

namespace vorn {

std::uint16_t Win32GlobalAtoms::Add(const std::string& name) {
  return GlobalAddAtomA(name.c_str());
}

void Win32GlobalAtoms::Delete(std::uint16_t atom) {
  GlobalDeleteAtom(atom);
}

bool Win32SystemHotKeys::Register(WindowHandle window, int id, std::uint16_t modifiers,
                                  std::uint16_t virtual_key) {
  return RegisterHotKey(reinterpret_cast<HWND>(window), id, modifiers, virtual_key) != 0;
}

bool Win32SystemHotKeys::Unregister(WindowHandle window, int id) {
  return UnregisterHotKey(reinterpret_cast<HWND>(window), id) != 0;
}

}  // namespace vorn
