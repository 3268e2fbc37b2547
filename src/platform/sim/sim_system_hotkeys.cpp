#include "platform/sim/sim_system_hotkeys.h"

#include <algorithm>
#include <cctype>

namespace vorn {

namespace {

constexpr std::uint32_t kWmHotKey = 786;

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

}  // namespace

std::uint16_t SimGlobalAtoms::Add(const std::string& name) {
  const auto found = atoms_.find(Upper(name));
  if (found != atoms_.end()) {
    ++found->second.References;
    return found->second.Value;
  }
  if (full_) return 0;
  std::uint16_t atom = 0xC000;
  while (std::any_of(atoms_.begin(), atoms_.end(),
                     [atom](const auto& entry) { return entry.second.Value == atom; }))
    ++atom;
  atoms_[Upper(name)] = {atom, 1};
  return atom;
}

void SimGlobalAtoms::Delete(std::uint16_t atom) {
  const auto found = std::find_if(atoms_.begin(), atoms_.end(),
                                  [atom](const auto& entry) { return entry.second.Value == atom; });
  if (found != atoms_.end() && --found->second.References == 0) atoms_.erase(found);
}

int SimGlobalAtoms::References(const std::string& name) const {
  const auto found = atoms_.find(Upper(name));
  return found == atoms_.end() ? 0 : found->second.References;
}

std::optional<std::uint16_t> SimGlobalAtoms::AtomOf(const std::string& name) const {
  const auto found = atoms_.find(Upper(name));
  if (found == atoms_.end()) return std::nullopt;
  return found->second.Value;
}

bool SimSystemHotKeys::Register(WindowHandle window, int id, std::uint16_t modifiers,
                                std::uint16_t virtual_key) {
  const bool taken =
      std::any_of(registrations_.begin(), registrations_.end(), [&](const Registration& r) {
        return r.Modifiers == modifiers && r.VirtualKey == virtual_key;
      });
  if (taken) return false;
  registrations_.push_back({window, id, modifiers, virtual_key});
  return true;
}

bool SimSystemHotKeys::Unregister(WindowHandle window, int id) {
  if (refuse_unregistrations_) return false;
  const auto found =
      std::find_if(registrations_.begin(), registrations_.end(),
                   [&](const Registration& r) { return r.Window == window && r.Id == id; });
  if (found == registrations_.end()) return false;
  registrations_.erase(found);
  return true;
}

std::optional<std::intptr_t> SimSystemHotKeys::Press(std::uint16_t modifiers,
                                                     std::uint16_t virtual_key) {
  const auto found =
      std::find_if(registrations_.begin(), registrations_.end(), [&](const Registration& r) {
        return r.Modifiers == modifiers && r.VirtualKey == virtual_key;
      });
  if (found == registrations_.end()) return std::nullopt;
  const auto lparam = static_cast<std::intptr_t>((std::uint32_t{virtual_key} << 16) | modifiers);
  return windows_.Deliver(found->Window, kWmHotKey, static_cast<std::uintptr_t>(found->Id), lparam);
}

}  // namespace vorn
