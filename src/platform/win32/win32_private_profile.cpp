#include "platform/win32/win32_private_profile.h"

#include <windows.h>

#include <vector>

#include "platform/framework_error.h"

namespace vorn {

bool Win32PrivateProfile::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32PrivateProfile::ReadString(const std::string& path, const std::string& section,
                                            const std::string& key, const std::string& fallback) {
  std::vector<char> buffer(kMaxValue + 1, '\0');
  const DWORD length =
      GetPrivateProfileStringA(section.c_str(), key.c_str(), fallback.c_str(), buffer.data(),
                               static_cast<DWORD>(buffer.size()), path.c_str());
  return std::string(buffer.data(), length);
}

void Win32PrivateProfile::WriteString(const std::string& path, const std::string& section,
                                      const std::string& key, const std::string& value) {
  if (!WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), path.c_str()))
    throw ProfileWriteError(path);
}

}  // namespace vorn
