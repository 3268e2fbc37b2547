#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace vorn {

// The base of the non-visual components: an owner that destroys what it owns,
// a name, and the design state. A component in design state is hosted by a
// form designer rather than a running program and touches no system resource.
class TComponent {
 public:
  // The component takes its design state from `owner` (which may be null);
  // the owner only comes to own it through Create.
  explicit TComponent(TComponent* owner);
  // Destroys the owned components, the last created first.
  virtual ~TComponent();

  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  // Constructs T(&owner, args...) and hands it to `owner`, which destroys it
  // with itself.
  template <class T, class... Args>
  static T& Create(TComponent& owner, Args&&... args) {
    auto component = std::make_unique<T>(&owner, std::forward<Args>(args)...);
    T& created = *component;
    owner.components_.push_back(std::move(component));
    return created;
  }

  TComponent* Owner() const { return owner_; }
  std::size_t ComponentCount() const { return components_.size(); }
  TComponent& Component(std::size_t index) const { return *components_.at(index); }

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }

  bool Designing() const { return designing_; }
  // Marks a root as hosted by a designer; components created on it afterwards
  // inherit the flag.
  void SetDesigning(bool designing) { designing_ = designing; }

 private:
  TComponent* owner_;
  std::vector<std::unique_ptr<TComponent>> components_;
  std::string name_;
  bool designing_;
};

}  // namespace vorn
