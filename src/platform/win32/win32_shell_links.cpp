#include "platform/win32/win32_shell_links.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>
#include <windows.h>

#include <string>

namespace vorn {

namespace {

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  const int length =
      MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Narrow(const wchar_t* text) {
  const int length = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (length <= 1) return {};
  std::string narrow(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
  narrow.resize(static_cast<std::size_t>(length - 1));
  return narrow;
}

// COM for the calling thread, for as long as the object lives.
class ComScope {
 public:
  ComScope() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  HRESULT result_;
};

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ~ComPtr() {
    if (p_) p_->Release();
  }
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  T** Out() { return &p_; }
  T* operator->() const { return p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

// A fresh link object and its file interface.
bool NewLink(ComPtr<IShellLinkW>& link, ComPtr<IPersistFile>& file) {
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.Out()))))
    return false;
  return SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.Out())));
}

}  // namespace

std::string Win32ShellLinks::StartupFolder() {
  wchar_t folder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_STARTUP | CSIDL_FLAG_CREATE, nullptr, 0, folder)))
    return {};
  std::string path = Narrow(folder);
  if (!path.empty() && path.back() != '\\') path += '\\';
  return path;
}

std::optional<ShellLink> Win32ShellLinks::Read(const std::string& path) {
  if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES) return std::nullopt;
  ComScope com;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (!NewLink(link, file) || FAILED(file->Load(Wide(path).c_str(), STGM_READ)))
    return std::nullopt;
  wchar_t target[MAX_PATH] = {};
  wchar_t dir[MAX_PATH] = {};
  if (FAILED(link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH))) return std::nullopt;
  if (FAILED(link->GetWorkingDirectory(dir, MAX_PATH))) dir[0] = L'\0';
  return ShellLink{Narrow(target), Narrow(dir)};
}

bool Win32ShellLinks::Write(const std::string& path, const ShellLink& shortcut) {
  ComScope com;
  ComPtr<IShellLinkW> link;
  ComPtr<IPersistFile> file;
  if (!NewLink(link, file)) return false;
  if (FAILED(link->SetPath(Wide(shortcut.Target).c_str())) ||
      FAILED(link->SetWorkingDirectory(Wide(shortcut.WorkingDir).c_str())))
    return false;
  return SUCCEEDED(file->Save(Wide(path).c_str(), TRUE));
}

bool Win32ShellLinks::Remove(const std::string& path) {
  return DeleteFileA(path.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace vorn
