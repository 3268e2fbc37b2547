#pragma once

#include <optional>
#include <string>

namespace vorn {

// What a shortcut (a shell link, as Explorer makes them) starts, and where.
struct ShellLink {
  std::string Target;
  std::string WorkingDir;
  bool operator==(const ShellLink&) const = default;
};

// Shortcut files and the user's Startup folder, whose shortcuts the shell
// starts at logon.
class ShellLinks {
 public:
  virtual ~ShellLinks() = default;
  // The folder with a trailing path delimiter; empty when the system names none.
  virtual std::string StartupFolder() = 0;
  // Nothing when there is no such file or it is no shortcut.
  virtual std::optional<ShellLink> Read(const std::string& path) = 0;
  // Creates or replaces the shortcut file; false when that failed.
  virtual bool Write(const std::string& path, const ShellLink& link) = 0;
  // False when the file is still there.
  virtual bool Remove(const std::string& path) = 0;
};

}  // namespace vorn
