#include "ui/operator_hotkey.h"

namespace vorn {

void OperatorHotKey::Register(THotKeyManager& manager) {
  index_ = manager.RegisterKey(current_);
}

void OperatorHotKey::Capture(THotKeyManager& manager, std::uint32_t key) {
  index_ = index_ ? manager.ReplaceKey(index_, key) : manager.RegisterKey(key);
  current_ = key;
}

}  // namespace vorn
