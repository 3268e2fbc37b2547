#pragma once

#include <chrono>
#include <functional>
#include <memory>

namespace vorn {

// A timer that runs a procedure again and again at an interval, on the
// thread that started it, until the object is destroyed.
class IntervalTimer {
 public:
  virtual ~IntervalTimer() = default;
};

class IntervalTimers {
 public:
  virtual ~IntervalTimers() = default;
  // Null when the system has no timer to spare; `tick` then never runs. The
  // procedure may destroy the timer that runs it.
  virtual std::unique_ptr<IntervalTimer> Start(std::chrono::milliseconds interval,
                                               std::function<void()> tick) = 0;
};

}  // namespace vorn
