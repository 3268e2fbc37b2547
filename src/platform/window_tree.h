#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace vorn {

// An opaque window handle as the window system hands it out; 0 is no window.
using WindowHandle = std::uintptr_t;

// The desktop's window tree as the receiver link sees it: other programs'
// windows, their texts, and synchronous messages to them.
class WindowTree {
 public:
  using Visitor = std::function<void(WindowHandle)>;

  virtual ~WindowTree() = default;

  // Every top-level window, hidden ones included, in the system's order.
  virtual void EnumTopLevel(const Visitor& visit) = 0;
  // Every descendant of `parent` (children, grandchildren, ...), in the system's order.
  virtual void EnumDescendants(WindowHandle parent, const Visitor& visit) = 0;
  // The window's text as read into a buffer of `buffer_size` characters: at most
  // buffer_size - 1 characters, empty for a window that does not exist.
  virtual std::string ReadText(WindowHandle window, std::size_t buffer_size) = 0;
  // Sends a message and waits, boundedly, until the target has handled it.
  // False when the target does not exist, is hung or did not answer in time.
  virtual bool Send(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                    std::intptr_t lparam) = 0;
};

}  // namespace vorn
