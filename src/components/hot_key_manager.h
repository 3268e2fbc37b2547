#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/hidden_window.h"
#include "platform/keyboard_layouts.h"
#include "platform/system_hotkeys.h"

namespace vorn {

// A hotkey value: virtual key in bits 0-7 plus these modifier bits.
inline constexpr std::uint32_t kHotKeyShift = 0x2000;
inline constexpr std::uint32_t kHotKeyCtrl = 0x4000;
inline constexpr std::uint32_t kHotKeyAlt = 0x8000;
inline constexpr std::uint32_t kHotKeyWin = 0x10000;

// The system's modifier flags of a hotkey registration and its message.
inline constexpr std::uint16_t kModAlt = 1;
inline constexpr std::uint16_t kModControl = 2;
inline constexpr std::uint16_t kModShift = 4;
inline constexpr std::uint16_t kModWin = 8;

inline constexpr std::uint32_t kWmHotKey = 786;

struct SplitHotKey {
  std::uint16_t Modifiers;
  std::uint16_t Key;
};

// The system modifier flags and virtual key of a hotkey value; bits outside
// the encoding are ignored.
SplitHotKey SplitKey(std::uint32_t HotKey);

// One live registration.
struct KeyEntry {
  std::uint32_t HotKey;  // as passed to RegisterKey
  std::uint16_t Index;   // its global atom
  bool operator==(const KeyEntry&) const = default;
};

using TOnHotKeyPressed = std::function<void(std::uint32_t HotKey, std::uint16_t Index)>;

// The system services the manager works through; they outlive it.
struct HotKeyServices {
  HiddenWindowService& Windows;
  GlobalAtomTable& Atoms;
  SystemHotKeys& HotKeys;
};

// Registers system-wide hotkeys and reports their presses. Each registration
// is named by a global atom, which is its identifier with the system and the
// index callers refer to it by; 0 always means nothing was registered.
class THotKeyManager : public TComponent {
 public:
  THotKeyManager(TComponent* owner, HotKeyServices services);
  ~THotKeyManager() override;

  std::uint16_t RegisterKey(std::uint32_t HotKey);
  std::uint16_t ReplaceKey(std::uint16_t Index, std::uint32_t HotKey);
  // True when the system accepted the unregistration; the entry goes either way.
  bool ReleaseKey(std::uint32_t HotKey);
  bool ReleaseIndex(std::uint16_t Index);
  void ReleaseAll();

  // The live registrations, oldest first.
  const std::vector<KeyEntry>& Entries() const { return entries_; }
  // The hidden window; 0 in design state.
  WindowHandle Handle() const;

  TOnHotKeyPressed OnHotKeyPressed;

 private:
  std::intptr_t WindowProc(std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam);
  bool Release(std::vector<KeyEntry>::iterator entry);

  HotKeyServices services_;
  std::vector<KeyEntry> entries_;
  std::unique_ptr<HiddenWindow> window_;
};

// The key names of one run: made before the main window exists, it reads the
// localized modifier names and loads the US layout for the English names;
// destroyed after the window, it gives that layout back when the system did
// not have it before. KeyText reads the one that lives; the layouts service
// outlives it.
class KeyTextLayout {
 public:
  explicit KeyTextLayout(KeyboardLayouts& layouts);
  ~KeyTextLayout();
  KeyTextLayout(const KeyTextLayout&) = delete;
  KeyTextLayout& operator=(const KeyTextLayout&) = delete;

 private:
  friend std::string KeyText(std::uint32_t HotKey, bool Localized);
  std::string KeyName(std::uint32_t virtual_key, bool localized) const;

  KeyboardLayouts& layouts_;
  std::string shift_ = "Shift";
  std::string ctrl_ = "Ctrl";
  std::string alt_ = "Alt";
  std::string win_ = "Win";
  LayoutHandle us_layout_ = 0;
  bool unload_ = false;
};

// The text of a hotkey value: modifiers in the order Ctrl, Shift, Alt, Win,
// each followed by "+", then the key's name. English names when `Localized`
// is false, the names of the thread's active layout when it is true. While
// no KeyTextLayout lives, key names are empty and modifier names English.
std::string KeyText(std::uint32_t HotKey, bool Localized);

}  // namespace vorn
