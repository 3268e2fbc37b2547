#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vorn {

// A keyboard layout as the system hands it out; 0 is none.
using LayoutHandle = std::uintptr_t;

// Key names and keyboard layouts of the calling thread.
class KeyboardLayouts {
 public:
  virtual ~KeyboardLayouts() = default;

  // Scan code of a virtual key in the thread's active layout; 0 when none.
  virtual std::uint32_t ScanCode(std::uint32_t virtual_key) = 0;
  // Scan code of a virtual key in `layout`; 0 when none.
  virtual std::uint32_t ScanCodeIn(std::uint32_t virtual_key, LayoutHandle layout) = 0;
  // Name of a key code (scan code in bits 16-23, extended flag in bit 24) in
  // the thread's active layout, as read into a buffer of `buffer_size`
  // characters: at most buffer_size - 1 of them; empty when there is none.
  virtual std::string KeyName(std::uint32_t key_code, std::size_t buffer_size) = 0;
  virtual LayoutHandle ActiveLayout() = 0;
  virtual void Activate(LayoutHandle layout) = 0;
  // The loaded layouts, at most `capacity` of them.
  virtual std::vector<LayoutHandle> LayoutList(std::size_t capacity) = 0;
  // Loads the layout with identifier `id` (e.g. "00000409") unless it is
  // loaded already, and gives its handle.
  virtual LayoutHandle Load(const std::string& id, std::uint32_t flags) = 0;
  virtual void Unload(LayoutHandle layout) = 0;
};

}  // namespace vorn
