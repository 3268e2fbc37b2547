#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "platform/hidden_window.h"

namespace vorn {

// Hidden windows held in memory. A test delivers messages to them and sees
// every call of the default procedure, which answers `SetDefaultResult`.
class SimHiddenWindows : public HiddenWindowService {
 public:
  struct Call {
    WindowHandle Window;
    std::uint32_t Message;
    std::uintptr_t WParam;
    std::intptr_t LParam;
    bool operator==(const Call&) const = default;
  };

  std::unique_ptr<HiddenWindow> CreateHiddenWindow(WindowProcedure procedure) override;

  // The window's procedure's result; nothing when there is no such window.
  std::optional<std::intptr_t> Deliver(WindowHandle window, std::uint32_t message,
                                       std::uintptr_t wparam, std::intptr_t lparam);

  std::vector<WindowHandle> LiveWindows() const;
  std::size_t CreatedCount() const { return created_; }
  const std::vector<Call>& DefaultCalls() const { return default_calls_; }
  void SetDefaultResult(std::intptr_t result) { default_result_ = result; }

 private:
  class Window;

  std::map<WindowHandle, WindowProcedure> windows_;
  std::vector<Call> default_calls_;
  std::intptr_t default_result_ = 0;
  std::size_t created_ = 0;
  WindowHandle next_ = 0x2000;
};

}  // namespace vorn
