#pragma once

#include <chrono>
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/interval_timer.h"

namespace vorn {

// Timers in memory: nothing runs by itself; a test lets time pass with Tick.
class SimIntervalTimers : public IntervalTimers {
 public:
  std::unique_ptr<IntervalTimer> Start(std::chrono::milliseconds interval,
                                       std::function<void()> tick) override;

  // Every running timer's procedure runs once, in the order they started.
  void Tick();
  std::size_t Running() const { return timers_.size(); }
  // The intervals of the running timers.
  std::vector<std::chrono::milliseconds> Intervals() const;

 private:
  class Timer;
  struct Entry {
    std::chrono::milliseconds Interval;
    std::function<void()> Procedure;
  };
  std::map<std::size_t, Entry> timers_;
  std::size_t next_ = 1;
};

}  // namespace vorn
