#pragma once

#include "platform/keyboard_layouts.h"

namespace vorn {

class Win32KeyboardLayouts : public KeyboardLayouts {
 public:
  std::uint32_t ScanCode(std::uint32_t virtual_key) override;
  std::uint32_t ScanCodeIn(std::uint32_t virtual_key, LayoutHandle layout) override;
  std::string KeyName(std::uint32_t key_code, std::size_t buffer_size) override;
  LayoutHandle ActiveLayout() override;
  void Activate(LayoutHandle layout) override;
  std::vector<LayoutHandle> LayoutList(std::size_t capacity) override;
  LayoutHandle Load(const std::string& id, std::uint32_t flags) override;
  void Unload(LayoutHandle layout) override;
};

}  // namespace vorn
