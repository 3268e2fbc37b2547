#pragma once

#include <exception>
#include <functional>

#include "platform/hidden_window.h"

namespace vorn {

// Hidden windows of the calling thread: top-level windows that are never
// shown, so that they can also be made the foreground window (a message-only
// window cannot). An exception that leaves a procedure goes to the sink, and
// the message gets the default processing.
class Win32HiddenWindows : public HiddenWindowService {
 public:
  using ExceptionSink = std::function<void(std::exception_ptr)>;

  explicit Win32HiddenWindows(ExceptionSink on_exception = {})
      : on_exception_(std::move(on_exception)) {}

  std::unique_ptr<HiddenWindow> CreateHiddenWindow(WindowProcedure procedure) override;

 private:
  ExceptionSink on_exception_;
};

}  // namespace vorn
