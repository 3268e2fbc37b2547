#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "platform/window_tree.h"

namespace vorn {

// The procedure of one hidden window: message and both parameters in, the
// message's result out.
using WindowProcedure = std::function<std::intptr_t(std::uint32_t message, std::uintptr_t wparam,
                                                    std::intptr_t lparam)>;

// An invisible window that exists only to receive messages, bound to a
// procedure of its own. Destroying the object destroys the window.
class HiddenWindow {
 public:
  virtual ~HiddenWindow() = default;

  // 0 when the system could not create the window.
  virtual WindowHandle Handle() const = 0;
  // The system's default processing of a message to this window.
  virtual std::intptr_t DefaultProcedure(std::uint32_t message, std::uintptr_t wparam,
                                         std::intptr_t lparam) = 0;
};

class HiddenWindowService {
 public:
  virtual ~HiddenWindowService() = default;

  // Creates a hidden window on the calling thread. The procedure sees the
  // messages that arrive after this returns and before the window's
  // destruction begins; the ones during creation and destruction get the
  // default processing. The service outlives its windows.
  virtual std::unique_ptr<HiddenWindow> CreateHiddenWindow(WindowProcedure procedure) = 0;
};

}  // namespace vorn
