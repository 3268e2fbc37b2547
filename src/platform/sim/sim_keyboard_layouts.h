#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/keyboard_layouts.h"

namespace vorn {

// Keyboard layouts held in memory: a table of layouts with their scan codes
// and key names, of which some are loaded and one is active. Records every
// activation, load, unload and name request.
class SimKeyboardLayouts : public KeyboardLayouts {
 public:
  struct Layout {
    std::string Id;                                    // e.g. "00000409"
    std::map<std::uint32_t, std::uint32_t> ScanCodes;  // virtual key -> scan code
    std::map<std::uint32_t, std::string> Names;        // key code -> name
  };
  struct LoadCall {
    std::string Id;
    std::uint32_t Flags;
    bool operator==(const LoadCall&) const = default;
  };
  struct NameRequest {
    std::uint32_t KeyCode;
    std::size_t BufferSize;
    LayoutHandle Active;
    bool operator==(const NameRequest&) const = default;
  };

  // Known to the system, loaded only when Load asks for it.
  void Install(LayoutHandle handle, Layout layout);
  // Installed and loaded; the first loaded layout becomes the active one.
  void InstallLoaded(LayoutHandle handle, Layout layout);
  // Switches the active layout without recording an activation.
  void SetActive(LayoutHandle handle) { active_ = handle; }

  bool IsLoaded(LayoutHandle handle) const;
  const std::vector<LayoutHandle>& Activations() const { return activations_; }
  const std::vector<LoadCall>& Loads() const { return loads_; }
  const std::vector<LayoutHandle>& Unloads() const { return unloads_; }
  const std::vector<NameRequest>& NameRequests() const { return name_requests_; }

  std::uint32_t ScanCode(std::uint32_t virtual_key) override;
  std::uint32_t ScanCodeIn(std::uint32_t virtual_key, LayoutHandle layout) override;
  std::string KeyName(std::uint32_t key_code, std::size_t buffer_size) override;
  LayoutHandle ActiveLayout() override { return active_; }
  void Activate(LayoutHandle layout) override;
  std::vector<LayoutHandle> LayoutList(std::size_t capacity) override;
  LayoutHandle Load(const std::string& id, std::uint32_t flags) override;
  void Unload(LayoutHandle layout) override;

 private:
  std::map<LayoutHandle, Layout> installed_;
  std::vector<LayoutHandle> loaded_;
  LayoutHandle active_ = 0;
  std::vector<LayoutHandle> activations_;
  std::vector<LoadCall> loads_;
  std::vector<LayoutHandle> unloads_;
  std::vector<NameRequest> name_requests_;
};

}  // namespace vorn
