#include "platform/component.h"

namespace vorn {

TComponent::TComponent(TComponent* owner)
    : owner_(owner), designing_(owner != nullptr && owner->Designing()) {}

TComponent::~TComponent() {
  // Last created first, so a component may still use the ones created before
  // it while it goes; it is out of the list before its destructor runs.
  while (!components_.empty()) {
    std::unique_ptr<TComponent> last = std::move(components_.back());
    components_.pop_back();
    last.reset();
  }
}

}  // namespace vorn
