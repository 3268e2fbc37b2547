#pragma once

#include <cstddef>
#include <string>

namespace vorn {

// The system's private-profile (INI file) service. Every call works on the
// file at `path` directly; nothing is cached between calls.
class PrivateProfile {
 public:
  // The longest value a read returns; longer values are cut.
  static constexpr std::size_t kMaxValue = 2047;

  virtual ~PrivateProfile() = default;

  virtual bool FileExists(const std::string& path) = 0;
  // The value of `key` in `section` (both matched without regard to case),
  // or `fallback` when the file, the section or the key is missing.
  virtual std::string ReadString(const std::string& path, const std::string& section,
                                 const std::string& key, const std::string& fallback) = 0;
  // Sets the value, creating the file, the section or the key as needed and
  // keeping everything else in the file. Throws ProfileWriteError when the
  // service refuses the write.
  virtual void WriteString(const std::string& path, const std::string& section,
                           const std::string& key, const std::string& value) = 0;
};

}  // namespace vorn
