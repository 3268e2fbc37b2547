#pragma once

#include "platform/window_tree.h"

namespace vorn {

// The desktop's real window tree. Messages are sent with a bounded wait so
// that a hung receiver program cannot freeze Vorn.
class Win32WindowTree : public WindowTree {
 public:
  static constexpr unsigned kSendTimeoutMs = 1000;

  void EnumTopLevel(const Visitor& visit) override;
  void EnumDescendants(WindowHandle parent, const Visitor& visit) override;
  std::string ReadText(WindowHandle window, std::size_t buffer_size) override;
  bool Send(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t lparam) override;
};

}  // namespace vorn
