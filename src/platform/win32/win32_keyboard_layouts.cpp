#include "platform/win32/win32_keyboard_layouts.h"

#include <windows.h>

namespace vorn {

namespace {

constexpr UINT kVirtualKeyToScanCode = 0;

HKL ToHkl(LayoutHandle layout) {
  return reinterpret_cast<HKL>(layout);
}

LayoutHandle FromHkl(HKL layout) {
  return reinterpret_cast<LayoutHandle>(layout);
}

}  // namespace

std::uint32_t Win32KeyboardLayouts::ScanCode(std::uint32_t virtual_key) {
  return MapVirtualKeyA(virtual_key, kVirtualKeyToScanCode);
}

std::uint32_t Win32KeyboardLayouts::ScanCodeIn(std::uint32_t virtual_key, LayoutHandle layout) {
  return MapVirtualKeyExA(virtual_key, kVirtualKeyToScanCode, ToHkl(layout));
}

std::string Win32KeyboardLayouts::KeyName(std::uint32_t key_code, std::size_t buffer_size) {
  if (buffer_size == 0) return {};
  std::vector<char> buffer(buffer_size, '\0');
  const int length =
      GetKeyNameTextA(static_cast<LONG>(key_code), buffer.data(), static_cast<int>(buffer_size));
  return std::string(buffer.data(), length > 0 ? static_cast<std::size_t>(length) : 0);
}

LayoutHandle Win32KeyboardLayouts::ActiveLayout() {
  return FromHkl(GetKeyboardLayout(0));
}

void Win32KeyboardLayouts::Activate(LayoutHandle layout) {
  ActivateKeyboardLayout(ToHkl(layout), 0);
}

std::vector<LayoutHandle> Win32KeyboardLayouts::LayoutList(std::size_t capacity) {
  std::vector<HKL> list(capacity);
  const int count = GetKeyboardLayoutList(static_cast<int>(capacity), list.data());
  std::vector<LayoutHandle> layouts;
  for (int i = 0; i < count && static_cast<std::size_t>(i) < capacity; ++i)
    layouts.push_back(FromHkl(list[static_cast<std::size_t>(i)]));
  return layouts;
}

LayoutHandle Win32KeyboardLayouts::Load(const std::string& id, std::uint32_t flags) {
  return FromHkl(LoadKeyboardLayoutA(id.c_str(), flags));
}

void Win32KeyboardLayouts::Unload(LayoutHandle layout) {
  UnloadKeyboardLayout(ToHkl(layout));
}

}  // namespace vorn
