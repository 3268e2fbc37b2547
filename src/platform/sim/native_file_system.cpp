#include "platform/sim/native_file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/framework_error.h"

namespace vorn {

namespace {

constexpr std::uint32_t kErrorWriteFault = 29;
constexpr std::uint32_t kErrorReadFault = 30;
constexpr std::uint32_t kErrorFilenameTooLong = 206;

[[noreturn]] void ThrowWriteError(int error) {
  throw InOutError(WindowsErrorCode(error, true, kErrorWriteFault));
}

// An open temporary file: closed and removed on scope exit unless kept.
class TempFile {
 public:
  TempFile(int fd, std::string path) : fd_(fd), path_(std::move(path)) {}
  TempFile(const TempFile&) = delete;
  TempFile& operator=(const TempFile&) = delete;
  ~TempFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!path_.empty()) ::unlink(path_.c_str());
  }
  int fd() const { return fd_; }
  const std::string& path() const { return path_; }
  // Closes the descriptor, reporting the error a late write failure shows here.
  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) ThrowWriteError(errno);
  }
  void Keep() { path_.clear(); }

 private:
  int fd_;
  std::string path_;
};

TempFile CreateBeside(const std::string& target, mode_t mode) {
  for (unsigned attempt = 0;; ++attempt) {
    std::string name =
        target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".tmp";
    const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    if (fd >= 0) return TempFile(fd, std::move(name));
    if (errno != EEXIST || attempt == 100) ThrowWriteError(errno);
  }
}

}  // namespace

std::uint32_t WindowsErrorCode(int error, bool creating, std::uint32_t fallback) {
  switch (error) {
    case ENOENT:
      return creating ? kErrorPathNotFound : kErrorFileNotFound;
    case ENOTDIR:
      return kErrorPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return kErrorAccessDenied;
    case EMFILE:
    case ENFILE:
      return kErrorTooManyOpenFiles;
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
      return kErrorDiskFull;
    case ENAMETOOLONG:
      return kErrorFilenameTooLong;
    default:
      return fallback;
  }
}

bool NativeFileSystem::FileExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool NativeFileSystem::SameFile(const std::string& a, const std::string& b) {
  struct stat first {};
  struct stat second {};
  return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 &&
         first.st_dev == second.st_dev && first.st_ino == second.st_ino;
}

std::string NativeFileSystem::ReadAll(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw FileOpenError(path, std::strerror(errno));
  struct stat info {};
  if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
    const int error = S_ISDIR(info.st_mode) ? EISDIR : errno;
    ::close(fd);
    throw FileOpenError(path, std::strerror(error));
  }
  std::string content;
  content.reserve(static_cast<std::size_t>(info.st_size));
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      const int error = errno;
      ::close(fd);
      throw InOutError(WindowsErrorCode(error, false, kErrorReadFault));
    }
    content.append(buffer, static_cast<std::size_t>(got));
  }
  ::close(fd);
  return content;
}

void NativeFileSystem::WriteReplace(const std::string& path, const std::string& content) {
  // Refuse a target that could not be written in place, before any temporary
  // file exists: a directory, or a file without write permission.
  struct stat info {};
  const bool existed = ::stat(path.c_str(), &info) == 0;
  if (existed) {
    if (S_ISDIR(info.st_mode)) ThrowWriteError(EISDIR);
    const int probe = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (probe < 0) ThrowWriteError(errno);
    ::close(probe);
  }

  TempFile temp = CreateBeside(path, 0666);
  // The replacement keeps the permissions of the file it replaces.
  if (existed && ::fchmod(temp.fd(), info.st_mode & 07777) != 0) ThrowWriteError(errno);
  std::size_t done = 0;
  while (done < content.size()) {
    const ssize_t put = ::write(temp.fd(), content.data() + done, content.size() - done);
    if (put < 0) {
      if (errno == EINTR) continue;
      ThrowWriteError(errno);
    }
    done += static_cast<std::size_t>(put);
  }
  if (::fsync(temp.fd()) != 0) ThrowWriteError(errno);
  temp.Close();
  if (::rename(temp.path().c_str(), path.c_str()) != 0) ThrowWriteError(errno);
  temp.Keep();
}

}  // namespace vorn
