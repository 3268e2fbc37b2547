#include "platform/win32/win32_single_instance.h"

namespace vorn {

Win32SingleInstance::~Win32SingleInstance() {
  for (HANDLE mutex : owned_) CloseHandle(mutex);
}

bool Win32SingleInstance::Exists(const std::string& name) {
  HANDLE mutex = OpenMutexA(SYNCHRONIZE, TRUE, name.c_str());
  if (!mutex) return false;
  CloseHandle(mutex);
  return true;
}

void Win32SingleInstance::Create(const std::string& name) {
  if (HANDLE mutex = CreateMutexA(nullptr, TRUE, name.c_str())) owned_.push_back(mutex);
}

}  // namespace vorn
