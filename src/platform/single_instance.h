#pragma once

#include <string>

namespace vorn {

// A named object shared by every process of the session, used to tell whether
// the program runs already.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  virtual bool Exists(const std::string& name) = 0;
  // Creates the object, owned by this process until it ends.
  virtual void Create(const std::string& name) = 0;
};

}  // namespace vorn
