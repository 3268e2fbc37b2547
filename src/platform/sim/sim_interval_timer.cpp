#include "platform/sim/sim_interval_timer.h"

namespace vorn {

class SimIntervalTimers::Timer : public IntervalTimer {
 public:
  Timer(SimIntervalTimers& owner, std::size_t id) : owner_(owner), id_(id) {}
  ~Timer() override { owner_.timers_.erase(id_); }

 private:
  SimIntervalTimers& owner_;
  std::size_t id_;
};

std::unique_ptr<IntervalTimer> SimIntervalTimers::Start(std::chrono::milliseconds interval,
                                                        std::function<void()> tick) {
  const std::size_t id = next_++;
  timers_[id] = {interval, std::move(tick)};
  return std::make_unique<Timer>(*this, id);
}

void SimIntervalTimers::Tick() {
  std::vector<std::size_t> ids;
  for (const auto& [id, entry] : timers_) ids.push_back(id);
  for (std::size_t id : ids) {
    // A procedure may stop its own timer or another one.
    const auto found = timers_.find(id);
    if (found == timers_.end()) continue;
    const std::function<void()> procedure = found->second.Procedure;
    procedure();
  }
}

std::vector<std::chrono::milliseconds> SimIntervalTimers::Intervals() const {
  std::vector<std::chrono::milliseconds> intervals;
  for (const auto& [id, entry] : timers_) intervals.push_back(entry.Interval);
  return intervals;
}

}  // namespace vorn
