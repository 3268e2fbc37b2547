#pragma once

#include <string>

namespace vorn {

// Whole-file access for the station list files. Texts are raw single-byte
// content, passed through without any conversion.
class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // True when `path` names an existing file (not a directory).
  virtual bool FileExists(const std::string& path) = 0;
  // The whole content, read while other programs may read but not write the
  // file. Throws FileOpenError when it cannot be opened, InOutError when a
  // read fails.
  virtual std::string ReadAll(const std::string& path) = 0;
  // Replaces the file's content, creating it when missing. The new content
  // goes to a temporary file beside the target first, so a failure leaves the
  // old file exactly as it was and no temporary file behind. Throws
  // InOutError with the system's error code.
  virtual void WriteReplace(const std::string& path, const std::string& content) = 0;
  // True when both paths name one existing file, however differently they
  // are spelled (letter case, relative parts, links).
  virtual bool SameFile(const std::string& a, const std::string& b) = 0;
};

}  // namespace vorn
