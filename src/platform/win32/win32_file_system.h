#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace vorn {

// Files through CreateFileA: read with read sharing only, replaced through a
// temporary file in the same directory.
class Win32FileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  std::string ReadAll(const std::string& path) override;
  void WriteReplace(const std::string& path, const std::string& content) override;
  bool SameFile(const std::string& a, const std::string& b) override;
};

// The system's text for an error code, without its trailing line break and
// full stop.
std::string SystemErrorText(std::uint32_t code);

}  // namespace vorn
