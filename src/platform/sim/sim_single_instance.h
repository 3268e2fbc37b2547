#pragma once

#include <set>
#include <string>

#include "platform/single_instance.h"

namespace vorn {

// Named objects of a simulated session; "another process" is a test calling Create.
class SimSingleInstance : public SingleInstance {
 public:
  bool Create(const std::string& name) override { return names_.insert(name).second; }

 private:
  std::set<std::string> names_;
};

}  // namespace vorn
