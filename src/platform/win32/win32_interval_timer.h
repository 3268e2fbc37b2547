#pragma once

#include "platform/hidden_window.h"
#include "platform/interval_timer.h"

namespace vorn {

// System timers, each on a hidden window of its own whose timer messages run
// the procedure.
class Win32IntervalTimers : public IntervalTimers {
 public:
  explicit Win32IntervalTimers(HiddenWindowService& windows) : windows_(windows) {}

  std::unique_ptr<IntervalTimer> Start(std::chrono::milliseconds interval,
                                       std::function<void()> tick) override;

 private:
  HiddenWindowService& windows_;
};

}  // namespace vorn
