#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/window_tree.h"

namespace vorn {

// A window tree that a test builds: windows with texts in creation order, and a
// record of every message sent to them.
class SimWindowTree : public WindowTree {
 public:
  struct Sent {
    WindowHandle Window;
    std::uint32_t Message;
    std::uintptr_t WParam;
    std::intptr_t LParam;
    bool operator==(const Sent&) const = default;
  };

  WindowHandle AddTopLevel(const std::string& text);
  WindowHandle AddChild(WindowHandle parent, const std::string& text);
  void SetText(WindowHandle window, const std::string& text);
  // Destroys the window and its descendants; handles are never reused.
  void Destroy(WindowHandle window);
  // Messages to this window fail as if its program hung.
  void Hang(WindowHandle window) { hung_.insert(window); }

  const std::vector<Sent>& SentMessages() const { return sent_; }
  // The texts of the windows that received a button press and release, in order.
  std::vector<std::string> Clicks() const;
  void ClearSent() { sent_.clear(); }

  void EnumTopLevel(const Visitor& visit) override;
  void EnumDescendants(WindowHandle parent, const Visitor& visit) override;
  std::string ReadText(WindowHandle window, std::size_t buffer_size) override;
  bool Send(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
            std::intptr_t lparam) override;

 private:
  struct Node {
    std::string Text;
    std::vector<WindowHandle> Children;
  };

  WindowHandle NewWindow(const std::string& text);

  std::map<WindowHandle, Node> nodes_;
  std::vector<WindowHandle> top_level_;
  std::set<WindowHandle> hung_;
  std::vector<Sent> sent_;
  WindowHandle next_ = 0x1000;
};

}  // namespace vorn
