#pragma once

#include "platform/private_profile.h"

namespace vorn {

// The system's private-profile functions on the file's full path.
class Win32PrivateProfile : public PrivateProfile {
 public:
  bool FileExists(const std::string& path) override;
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) override;
  void WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace vorn
