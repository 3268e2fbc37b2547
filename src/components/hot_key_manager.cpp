#include "components/hot_key_manager.h"

#include <algorithm>
#include <cstddef>

namespace vorn {

namespace {

constexpr char kAtomPrefix[] = "HotKeyManagerHotKey";

}  // namespace

SplitHotKey SplitKey(std::uint32_t HotKey) {
  std::uint16_t modifiers = 0;
  if (HotKey & kHotKeyWin) modifiers += kModWin;
  if (HotKey & kHotKeyAlt) modifiers += kModAlt;
  if (HotKey & kHotKeyCtrl) modifiers += kModControl;
  if (HotKey & kHotKeyShift) modifiers += kModShift;
  return {modifiers, static_cast<std::uint16_t>(HotKey & 0xFF)};
}

THotKeyManager::THotKeyManager(TComponent* owner, HotKeyServices services)
    : TComponent(owner), services_(services) {
  if (!Designing()) {
    window_ = services_.Windows.CreateHiddenWindow(
        [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
          return WindowProc(message, wparam, lparam);
        });
  }
}

THotKeyManager::~THotKeyManager() {
  ReleaseAll();
  window_.reset();
}

WindowHandle THotKeyManager::Handle() const {
  return window_ ? window_->Handle() : 0;
}

std::uint16_t THotKeyManager::RegisterKey(std::uint32_t HotKey) {
  // Without a window (design state, or the system gave none) a registration
  // would go to the thread instead of to this manager.
  if (Handle() == 0) return 0;
  const auto [modifiers, key] = SplitKey(HotKey);
  const std::uint16_t atom = services_.Atoms.Add(kAtomPrefix + std::to_string(HotKey));
  // Atom 0 cannot name a live registration: 0 is the "nothing registered" answer.
  if (atom == 0) return 0;
  if (!services_.HotKeys.Register(Handle(), atom, modifiers, key)) {
    services_.Atoms.Delete(atom);
    return 0;
  }
  entries_.push_back({HotKey, atom});
  return atom;
}

bool THotKeyManager::Release(std::vector<KeyEntry>::iterator entry) {
  const bool accepted = services_.HotKeys.Unregister(Handle(), entry->Index);
  services_.Atoms.Delete(entry->Index);
  entries_.erase(entry);
  return accepted;
}

bool THotKeyManager::ReleaseKey(std::uint32_t HotKey) {
  const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                  [HotKey](const KeyEntry& e) { return e.HotKey == HotKey; });
  return entry != entries_.end() && Release(entry);
}

bool THotKeyManager::ReleaseIndex(std::uint16_t Index) {
  const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                  [Index](const KeyEntry& e) { return e.Index == Index; });
  return entry != entries_.end() && Release(entry);
}

void THotKeyManager::ReleaseAll() {
  while (!entries_.empty()) Release(entries_.end() - 1);
}

std::uint16_t THotKeyManager::ReplaceKey(std::uint16_t Index, std::uint32_t HotKey) {
  const bool known = std::any_of(entries_.begin(), entries_.end(),
                                 [Index](const KeyEntry& e) { return e.Index == Index; });
  if (!known) return 0;
  // The new key is wanted even when the system kept the old one.
  ReleaseIndex(Index);
  return RegisterKey(HotKey);
}

std::intptr_t THotKeyManager::WindowProc(std::uint32_t message, std::uintptr_t wparam,
                                         std::intptr_t lparam) {
  // Taken first: a handler may destroy the manager, and with it the window.
  const std::intptr_t result = window_->DefaultProcedure(message, wparam, lparam);
  if (message == kWmHotKey && OnHotKeyPressed) {
    const auto reported = static_cast<std::uint32_t>(lparam);
    const std::uint32_t modifiers = reported & 0xFFFF;
    std::uint32_t value = 0;
    if (modifiers & kModShift) value += kHotKeyShift;
    if (modifiers & kModControl) value += kHotKeyCtrl;
    if (modifiers & kModAlt) value += kHotKeyAlt;
    if (modifiers & kModWin) value += kHotKeyWin;
    value += reported >> 16;
    const bool registered = std::any_of(entries_.begin(), entries_.end(),
                                        [value](const KeyEntry& e) { return e.HotKey == value; });
    if (registered) {
      // A copy, so that a handler may reassign the event while it runs.
      const TOnHotKeyPressed handler = OnHotKeyPressed;
      handler(value, static_cast<std::uint16_t>(wparam & 0xFFFF));
    }
  }
  return result;
}

// Hotkey text.

namespace {

constexpr std::size_t kKeyNameBuffer = 256;
constexpr std::size_t kLayoutListCapacity = 100;
constexpr char kUsLayoutId[] = "00000409";
constexpr std::uint32_t kLoadWithoutTellingShell = 128;
constexpr std::uint32_t kExtendedKeyFlag = 1u << 24;

// The key names that KeyText reads: the newest that lives.
KeyTextLayout* live_key_text = nullptr;

bool IsExtendedKey(std::uint32_t virtual_key) {
  return (virtual_key >= 33 && virtual_key <= 40) || virtual_key == 45 || virtual_key == 46;
}

bool CapitalsOnly(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

}  // namespace

std::string KeyTextLayout::KeyName(std::uint32_t virtual_key, bool localized) const {
  const std::uint32_t scan_code =
      localized ? layouts_.ScanCode(virtual_key) : layouts_.ScanCodeIn(virtual_key, us_layout_);
  const std::uint32_t key_code =
      ((scan_code & 0xFF) << 16) | (IsExtendedKey(virtual_key) ? kExtendedKeyFlag : 0);
  if (key_code == 0) return {};
  if (localized) return layouts_.KeyName(key_code, kKeyNameBuffer);
  // Names come from the active layout only, so the US one stands in briefly.
  const LayoutHandle noted = layouts_.ActiveLayout();
  if (noted != us_layout_) layouts_.Activate(us_layout_);
  std::string name = layouts_.KeyName(key_code, kKeyNameBuffer);
  if (noted != us_layout_) layouts_.Activate(noted);
  return name;
}

std::string KeyText(std::uint32_t HotKey, bool Localized) {
  const KeyTextLayout* names = live_key_text;
  std::string text;
  const auto append = [&](std::uint32_t bit, const char* english,
                          std::string KeyTextLayout::*localized) {
    if (!(HotKey & bit)) return;
    text += Localized && names ? names->*localized : std::string(english);
    text += "+";
  };
  append(kHotKeyCtrl, "Ctrl", &KeyTextLayout::ctrl_);
  append(kHotKeyShift, "Shift", &KeyTextLayout::shift_);
  append(kHotKeyAlt, "Alt", &KeyTextLayout::alt_);
  append(kHotKeyWin, "Win", &KeyTextLayout::win_);
  return names ? text + names->KeyName(HotKey & 0xFF, Localized) : text;
}

KeyTextLayout::KeyTextLayout(KeyboardLayouts& layouts) : layouts_(layouts) {
  live_key_text = this;
  shift_ = KeyName(16, true);
  ctrl_ = KeyName(17, true);
  alt_ = KeyName(18, true);
  if (CapitalsOnly(alt_)) win_ = "WIN";
  const std::vector<LayoutHandle> loaded = layouts_.LayoutList(kLayoutListCapacity);
  us_layout_ = layouts_.Load(kUsLayoutId, kLoadWithoutTellingShell);
  // The list predates the load, so the layout is ours to give back when it
  // was not in it.
  unload_ = std::find(loaded.begin(), loaded.end(), us_layout_) == loaded.end();
}

KeyTextLayout::~KeyTextLayout() {
  if (unload_) layouts_.Unload(us_layout_);
  if (live_key_text == this) live_key_text = nullptr;
}

}  // namespace vorn
