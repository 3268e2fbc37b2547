#include "platform/sim/sim_keyboard_layouts.h"

#include <algorithm>

namespace vorn {

void SimKeyboardLayouts::Install(LayoutHandle handle, Layout layout) {
  installed_[handle] = std::move(layout);
}

void SimKeyboardLayouts::InstallLoaded(LayoutHandle handle, Layout layout) {
  Install(handle, std::move(layout));
  loaded_.push_back(handle);
  if (active_ == 0) active_ = handle;
}

bool SimKeyboardLayouts::IsLoaded(LayoutHandle handle) const {
  return std::find(loaded_.begin(), loaded_.end(), handle) != loaded_.end();
}

std::uint32_t SimKeyboardLayouts::ScanCode(std::uint32_t virtual_key) {
  return ScanCodeIn(virtual_key, active_);
}

std::uint32_t SimKeyboardLayouts::ScanCodeIn(std::uint32_t virtual_key, LayoutHandle layout) {
  if (!IsLoaded(layout)) return 0;
  const auto& codes = installed_.at(layout).ScanCodes;
  const auto found = codes.find(virtual_key);
  return found == codes.end() ? 0 : found->second;
}

std::string SimKeyboardLayouts::KeyName(std::uint32_t key_code, std::size_t buffer_size) {
  name_requests_.push_back({key_code, buffer_size, active_});
  if (!IsLoaded(active_) || buffer_size == 0) return {};
  const auto& names = installed_.at(active_).Names;
  const auto found = names.find(key_code);
  if (found == names.end()) return {};
  return found->second.substr(0, buffer_size - 1);
}

void SimKeyboardLayouts::Activate(LayoutHandle layout) {
  activations_.push_back(layout);
  if (IsLoaded(layout)) active_ = layout;
}

std::vector<LayoutHandle> SimKeyboardLayouts::LayoutList(std::size_t capacity) {
  return {loaded_.begin(),
          loaded_.begin() + static_cast<std::ptrdiff_t>(std::min(capacity, loaded_.size()))};
}

LayoutHandle SimKeyboardLayouts::Load(const std::string& id, std::uint32_t flags) {
  loads_.push_back({id, flags});
  const auto found = std::find_if(installed_.begin(), installed_.end(),
                                  [&](const auto& entry) { return entry.second.Id == id; });
  if (found == installed_.end()) return 0;
  if (!IsLoaded(found->first)) loaded_.push_back(found->first);
  return found->first;
}

void SimKeyboardLayouts::Unload(LayoutHandle layout) {
  unloads_.push_back(layout);
  loaded_.erase(std::remove(loaded_.begin(), loaded_.end(), layout), loaded_.end());
  if (active_ == layout) active_ = loaded_.empty() ? 0 : loaded_.front();
}

}  // namespace vorn
