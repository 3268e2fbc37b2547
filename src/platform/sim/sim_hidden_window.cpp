#include "platform/sim/sim_hidden_window.h"

namespace vorn {

class SimHiddenWindows::Window : public HiddenWindow {
 public:
  Window(SimHiddenWindows& owner, WindowHandle handle) : owner_(owner), handle_(handle) {}
  ~Window() override { owner_.windows_.erase(handle_); }

  WindowHandle Handle() const override { return handle_; }
  std::intptr_t DefaultProcedure(std::uint32_t message, std::uintptr_t wparam,
                                 std::intptr_t lparam) override {
    owner_.default_calls_.push_back({handle_, message, wparam, lparam});
    return owner_.default_result_;
  }

 private:
  SimHiddenWindows& owner_;
  WindowHandle handle_;
};

std::unique_ptr<HiddenWindow> SimHiddenWindows::CreateHiddenWindow(WindowProcedure procedure) {
  const WindowHandle handle = next_;
  next_ += 4;
  ++created_;
  windows_[handle] = std::move(procedure);
  return std::make_unique<Window>(*this, handle);
}

std::optional<std::intptr_t> SimHiddenWindows::Deliver(WindowHandle window, std::uint32_t message,
                                                       std::uintptr_t wparam,
                                                       std::intptr_t lparam) {
  const auto found = windows_.find(window);
  if (found == windows_.end()) return std::nullopt;
  // A copy: the procedure may destroy its own window.
  const WindowProcedure procedure = found->second;
  return procedure(message, wparam, lparam);
}

std::vector<WindowHandle> SimHiddenWindows::LiveWindows() const {
  std::vector<WindowHandle> live;
  for (const auto& [handle, procedure] : windows_) live.push_back(handle);
  return live;
}

}  // namespace vorn
