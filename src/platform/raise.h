#pragma once

#include <utility>

#include "platform/toolkit.h"

namespace vorn {

// Runs an event handler inside the application's guard, from a copy: a
// handler may replace itself (or its control's other handlers) while it runs.
// False when it threw; an empty handler counts as run.
template <class Handler, class... Args>
bool Raise(Application& app, const Handler& handler, Args&&... args) {
  if (!handler) return true;
  const Handler copy = handler;
  bool completed = false;
  app.Guard([&] {
    copy(std::forward<Args>(args)...);
    completed = true;
  });
  return completed;
}

}  // namespace vorn
