#include "platform/win32/win32_file_system.h"

#include <windows.h>

#include <algorithm>
#include <utility>

#include "platform/framework_error.h"

namespace vorn {

namespace {

class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  bool Close() {
    if (!valid()) return true;
    const bool closed = CloseHandle(handle_) != 0;
    handle_ = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE handle_;
};

// A file this save created; deleted again unless the save completes.
class Provisional {
 public:
  Provisional() = default;
  Provisional(const Provisional&) = delete;
  Provisional& operator=(const Provisional&) = delete;
  ~Provisional() {
    if (!path_.empty()) DeleteFileA(path_.c_str());
  }
  void Set(std::string path) { path_ = std::move(path); }
  void Keep() { path_.clear(); }

 private:
  std::string path_;
};

[[noreturn]] void ThrowLastError() {
  throw InOutError(GetLastError());
}

// The directory part of `path` with its delimiter, "." for a bare name.
std::string DirectoryOf(const std::string& path) {
  const std::size_t delimiter = path.find_last_of("\\/");
  return delimiter == std::string::npos ? std::string(".") : path.substr(0, delimiter + 1);
}

void WriteAll(HANDLE file, const std::string& content) {
  std::size_t done = 0;
  while (done < content.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
    DWORD written = 0;
    if (!WriteFile(file, content.data() + done, chunk, &written, nullptr)) ThrowLastError();
    if (written == 0) throw InOutError(kErrorShortWrite);
    done += written;
  }
}

}  // namespace

std::string SystemErrorText(std::uint32_t code) {
  char buffer[512] = {};
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                code, 0, buffer, sizeof buffer, nullptr);
  // The error box adds its own full stop.
  while (length > 0 &&
         (static_cast<unsigned char>(buffer[length - 1]) <= 32 || buffer[length - 1] == '.'))
    --length;
  if (length == 0) return "Code " + std::to_string(code);
  return std::string(buffer, length);
}

bool Win32FileSystem::FileExists(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::SameFile(const std::string& a, const std::string& b) {
  // The volume and the file's index name it, whatever path led there.
  const auto identity = [](const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
    FileHandle file(CreateFileA(path.c_str(), 0,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid() && GetFileInformationByHandle(file.get(), &info) != 0;
  };
  BY_HANDLE_FILE_INFORMATION first{};
  BY_HANDLE_FILE_INFORMATION second{};
  return identity(a, first) && identity(b, second) &&
         first.dwVolumeSerialNumber == second.dwVolumeSerialNumber &&
         first.nFileIndexHigh == second.nFileIndexHigh &&
         first.nFileIndexLow == second.nFileIndexLow;
}

std::string Win32FileSystem::ReadAll(const std::string& path) {
  FileHandle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.valid()) throw FileOpenError(path, SystemErrorText(GetLastError()));
  std::string content;
  LARGE_INTEGER size{};
  if (GetFileSizeEx(file.get(), &size) && size.QuadPart > 0)
    content.reserve(static_cast<std::size_t>(size.QuadPart));
  char buffer[1 << 16];
  for (;;) {
    DWORD got = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) ThrowLastError();
    if (got == 0) break;
    content.append(buffer, got);
  }
  return content;
}

void Win32FileSystem::WriteReplace(const std::string& path, const std::string& content) {
  // Open the target as a plain save would, so that a locked, read-only or
  // unreachable file fails with its usual error before anything is written,
  // and hold it against other writers until the replacement is ready.
  Provisional created_target;
  FileHandle target(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!target.valid()) ThrowLastError();
  if (GetLastError() != ERROR_ALREADY_EXISTS) created_target.Set(path);

  char temp_path[MAX_PATH] = {};
  if (GetTempFileNameA(DirectoryOf(path).c_str(), "vrn", 0, temp_path) == 0) ThrowLastError();
  Provisional temp_file;
  temp_file.Set(temp_path);
  {
    FileHandle temp(CreateFileA(temp_path, GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!temp.valid()) ThrowLastError();
    WriteAll(temp.get(), content);
    if (!FlushFileBuffers(temp.get())) ThrowLastError();
    if (!temp.Close()) ThrowLastError();
  }
  target.Close();
  if (!MoveFileExA(temp_path, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    ThrowLastError();
  temp_file.Keep();
  created_target.Keep();
}

}  // namespace vorn
