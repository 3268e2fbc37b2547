#pragma once

#include <windows.h>

#include <vector>

#include "platform/single_instance.h"

namespace vorn {

// Named mutexes. A created mutex stays owned until the process ends.
class Win32SingleInstance : public SingleInstance {
 public:
  ~Win32SingleInstance() override;
  bool Create(const std::string& name) override;

 private:
  std::vector<HANDLE> owned_;
};

}  // namespace vorn
