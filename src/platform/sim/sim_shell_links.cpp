#include "platform/sim/sim_shell_links.h"

namespace vorn {

std::optional<ShellLink> SimShellLinks::Read(const std::string& path) {
  const auto found = links_.find(path);
  if (found == links_.end()) return std::nullopt;
  return found->second;
}

bool SimShellLinks::Write(const std::string& path, const ShellLink& link) {
  if (read_only_) return false;
  links_[path] = link;
  return true;
}

bool SimShellLinks::Remove(const std::string& path) {
  if (read_only_) return !links_.contains(path);
  links_.erase(path);
  return true;
}

}  // namespace vorn
