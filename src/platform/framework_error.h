#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace vorn {

// A failure of the framework kind (a file that cannot be opened, a short line
// in a list file, an I/O error). what() is the text the user sees in the
// error box; the program keeps running.
class FrameworkError : public std::runtime_error {
 public:
  explicit FrameworkError(const std::string& text) : std::runtime_error(text) {}
};

// A file that cannot be opened; `reason` is the system's text for the cause.
class FileOpenError : public FrameworkError {
 public:
  FileOpenError(const std::string& path, const std::string& reason);
};

// A read past the last element of a list: a line of a station list file with
// fewer fields than a row needs. `index` is the first missing one.
class ListIndexError : public FrameworkError {
 public:
  explicit ListIndexError(std::size_t index);
  std::size_t Index() const { return index_; }

 private:
  std::size_t index_;
};

// An I/O error while reading or writing a file, by the system's error code.
class InOutError : public FrameworkError {
 public:
  explicit InOutError(std::uint32_t code);
  std::uint32_t Code() const { return code_; }

 private:
  std::uint32_t code_;
};

// The private-profile service refused to write into the file at `path`.
class ProfileWriteError : public FrameworkError {
 public:
  explicit ProfileWriteError(const std::string& path);
};

// The text of an I/O error with this system error code.
std::string InOutErrorText(std::uint32_t code);

// System error codes the file layers report themselves.
inline constexpr std::uint32_t kErrorFileNotFound = 2;
inline constexpr std::uint32_t kErrorPathNotFound = 3;
inline constexpr std::uint32_t kErrorTooManyOpenFiles = 4;
inline constexpr std::uint32_t kErrorAccessDenied = 5;
inline constexpr std::uint32_t kErrorSharingViolation = 32;
inline constexpr std::uint32_t kErrorReadPastEnd = 100;
inline constexpr std::uint32_t kErrorShortWrite = 101;
inline constexpr std::uint32_t kErrorDiskFull = 112;

}  // namespace vorn
