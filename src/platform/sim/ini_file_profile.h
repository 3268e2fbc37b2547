#pragma once

#include "platform/private_profile.h"

namespace vorn {

// A private-profile service over real INI files, enough for tests: sections
// and keys matched without regard to case, values trimmed and taken out of
// enclosing quotes, other sections and keys kept on writing, lines written
// with CR LF.
class IniFileProfile : public PrivateProfile {
 public:
  bool FileExists(const std::string& path) override;
  std::string ReadString(const std::string& path, const std::string& section,
                         const std::string& key, const std::string& fallback) override;
  void WriteString(const std::string& path, const std::string& section, const std::string& key,
                   const std::string& value) override;
};

}  // namespace vorn
