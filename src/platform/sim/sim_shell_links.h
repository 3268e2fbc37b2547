#pragma once

#include <map>
#include <optional>
#include <string>

#include "platform/shell_links.h"

namespace vorn {

// Shortcuts in memory, by path, in a Startup folder the test names.
class SimShellLinks : public ShellLinks {
 public:
  explicit SimShellLinks(std::string startup_folder = "C:\\Users\\op\\Startup\\")
      : startup_(std::move(startup_folder)) {}

  std::string StartupFolder() override { return startup_; }
  std::optional<ShellLink> Read(const std::string& path) override;
  bool Write(const std::string& path, const ShellLink& link) override;
  bool Remove(const std::string& path) override;

  const std::map<std::string, ShellLink>& Links() const { return links_; }
  // Writes and removes fail from now on, as in a folder the user may not change.
  void SetReadOnly(bool read_only) { read_only_ = read_only; }

 private:
  std::string startup_;
  std::map<std::string, ShellLink> links_;
  bool read_only_ = false;
};

}  // namespace vorn
