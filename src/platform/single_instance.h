#pragma once

#include <string>

namespace vorn {

// A named object shared by every process of the session, used to tell whether
// the program runs already.
class SingleInstance {
 public:
  virtual ~SingleInstance() = default;
  // Creates the object, owned by this process until it ends. False when it
  // exists already: another process created it first. Creating and checking
  // are one step, so two processes starting at once cannot both succeed.
  virtual bool Create(const std::string& name) = 0;
};

}  // namespace vorn
