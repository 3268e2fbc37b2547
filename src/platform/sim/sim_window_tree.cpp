#include "platform/sim/sim_window_tree.h"

#include <algorithm>
#include <functional>

namespace vorn {

namespace {
constexpr std::uint32_t kButtonDown = 0x0201;
constexpr std::uint32_t kButtonUp = 0x0202;
}  // namespace

WindowHandle SimWindowTree::NewWindow(const std::string& text) {
  const WindowHandle handle = next_;
  next_ += 4;
  nodes_[handle].Text = text;
  return handle;
}

WindowHandle SimWindowTree::AddTopLevel(const std::string& text) {
  const WindowHandle handle = NewWindow(text);
  top_level_.push_back(handle);
  return handle;
}

WindowHandle SimWindowTree::AddChild(WindowHandle parent, const std::string& text) {
  const WindowHandle handle = NewWindow(text);
  nodes_.at(parent).Children.push_back(handle);
  return handle;
}

void SimWindowTree::SetText(WindowHandle window, const std::string& text) {
  nodes_.at(window).Text = text;
}

void SimWindowTree::Destroy(WindowHandle window) {
  auto it = nodes_.find(window);
  if (it == nodes_.end()) return;
  for (WindowHandle child : std::vector<WindowHandle>(it->second.Children)) Destroy(child);
  nodes_.erase(window);
  std::erase(top_level_, window);
  for (auto& [handle, node] : nodes_) std::erase(node.Children, window);
}

void SimWindowTree::EnumTopLevel(const Visitor& visit) {
  for (WindowHandle w : std::vector<WindowHandle>(top_level_)) visit(w);
}

void SimWindowTree::EnumDescendants(WindowHandle parent, const Visitor& visit) {
  auto it = nodes_.find(parent);
  if (it == nodes_.end()) return;
  for (WindowHandle child : std::vector<WindowHandle>(it->second.Children)) {
    visit(child);
    EnumDescendants(child, visit);
  }
}

std::string SimWindowTree::ReadText(WindowHandle window, std::size_t buffer_size) {
  auto it = nodes_.find(window);
  if (it == nodes_.end() || buffer_size == 0) return {};
  const std::string& text = it->second.Text;
  return text.substr(0, std::min(text.find('\0'), buffer_size - 1));
}

bool SimWindowTree::Send(WindowHandle window, std::uint32_t message, std::uintptr_t wparam,
                         std::intptr_t lparam) {
  sent_.push_back({window, message, wparam, lparam});
  return nodes_.count(window) != 0 && hung_.count(window) == 0;
}

std::vector<std::string> SimWindowTree::Clicks() const {
  std::vector<std::string> clicks;
  for (std::size_t i = 1; i < sent_.size(); ++i) {
    if (sent_[i].Message == kButtonUp && sent_[i - 1].Message == kButtonDown &&
        sent_[i].Window == sent_[i - 1].Window) {
      auto it = nodes_.find(sent_[i].Window);
      clicks.push_back(it == nodes_.end() ? std::string("<gone>") : it->second.Text);
    }
  }
  return clicks;
}

}  // namespace vorn
