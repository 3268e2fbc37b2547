#pragma once

#include "platform/shell_links.h"

namespace vorn {

// Shortcut files through the shell's link object (IShellLinkW, saved and
// loaded through IPersistFile); paths in the system's ANSI code page.
class Win32ShellLinks : public ShellLinks {
 public:
  std::string StartupFolder() override;
  std::optional<ShellLink> Read(const std::string& path) override;
  bool Write(const std::string& path, const ShellLink& link) override;
  bool Remove(const std::string& path) override;
};

}  // namespace vorn
