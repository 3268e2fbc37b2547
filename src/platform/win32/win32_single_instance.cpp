#include "platform/win32/win32_single_instance.h"

namespace vorn {

Win32SingleInstance::~Win32SingleInstance() {
  for (HANDLE mutex : owned_) CloseHandle(mutex);
}

bool Win32SingleInstance::Create(const std::string& name) {
  HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str());
  const DWORD error = GetLastError();
  if (!mutex) {
    // Made by a process this one may not open: it exists all the same.
    return error != ERROR_ACCESS_DENIED;
  }
  if (error == ERROR_ALREADY_EXISTS) {
    CloseHandle(mutex);
    return false;
  }
  owned_.push_back(mutex);
  return true;
}

}  // namespace vorn
