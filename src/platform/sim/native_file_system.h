#pragma once

#include <cstdint>
#include <string>

#include "platform/file_system.h"

namespace vorn {

// Real files through POSIX calls, so that tests and benchmarks work on actual
// files. System errors are reported with the nearest Windows error code.
class NativeFileSystem : public FileSystem {
 public:
  bool FileExists(const std::string& path) override;
  std::string ReadAll(const std::string& path) override;
  void WriteReplace(const std::string& path, const std::string& content) override;
  bool SameFile(const std::string& a, const std::string& b) override;
};

// The Windows error code closest to an errno value; `fallback` for the rest.
// `creating` tells a missing directory (path not found) from a missing file.
std::uint32_t WindowsErrorCode(int error, bool creating, std::uint32_t fallback);

}  // namespace vorn
