#pragma once

#include "platform/window_tree.h"

namespace vorn {

// The quiet answer to bad input: the default system sound and one flash of
// a window's caption.
class Alert {
 public:
  virtual ~Alert() = default;
  virtual void Beep() = 0;
  virtual void FlashCaption(WindowHandle window) = 0;
};

}  // namespace vorn
