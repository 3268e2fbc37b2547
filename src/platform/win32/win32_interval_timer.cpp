#include "platform/win32/win32_interval_timer.h"

#include <windows.h>

namespace vorn {

namespace {

constexpr UINT_PTR kTimerId = 1;

class Win32IntervalTimer : public IntervalTimer {
 public:
  ~Win32IntervalTimer() override {
    if (window_) KillTimer(reinterpret_cast<HWND>(window_->Handle()), kTimerId);
  }

  bool Start(HiddenWindowService& windows, std::chrono::milliseconds interval,
             std::function<void()> tick) {
    tick_ = std::move(tick);
    window_ = windows.CreateHiddenWindow(
        [this](std::uint32_t message, std::uintptr_t wparam, std::intptr_t lparam) {
          if (message != WM_TIMER || wparam != kTimerId)
            return window_->DefaultProcedure(message, wparam, lparam);
          // A copy: the procedure may end this timer.
          const std::function<void()> tick = tick_;
          tick();
          return std::intptr_t{0};
        });
    if (!window_->Handle()) return false;
    return SetTimer(reinterpret_cast<HWND>(window_->Handle()), kTimerId,
                    static_cast<UINT>(interval.count()), nullptr) != 0;
  }

 private:
  std::function<void()> tick_;
  std::unique_ptr<HiddenWindow> window_;
};

}  // namespace

std::unique_ptr<IntervalTimer> Win32IntervalTimers::Start(std::chrono::milliseconds interval,
                                                          std::function<void()> tick) {
  auto timer = std::make_unique<Win32IntervalTimer>();
  if (!timer->Start(windows_, interval, std::move(tick))) return nullptr;
  return timer;
}

}  // namespace vorn
