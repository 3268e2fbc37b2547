#include "platform/component.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vorn {
namespace {

using ::testing::ElementsAre;

// Notes its destruction, and what its owner still held at that moment.
class Probe : public TComponent {
 public:
  Probe(TComponent* owner, std::string name, std::vector<std::string>& log)
      : TComponent(owner), log_(log) {
    SetName(std::move(name));
  }
  ~Probe() override { log_.push_back(Name() + " of " + std::to_string(Owner()->ComponentCount())); }

 private:
  std::vector<std::string>& log_;
};

TEST(ComponentTest, OwnerDestroysWhatItOwnsLastCreatedFirst) {
  std::vector<std::string> log;
  {
    TComponent form(nullptr);
    Probe& tray = TComponent::Create<Probe>(form, "LumoTray1", log);
    TComponent::Create<Probe>(form, "HKM", log);
    TComponent::Create<Probe>(tray, "Nested", log);
    EXPECT_EQ(form.ComponentCount(), 2u);
    EXPECT_EQ(&form.Component(0), &tray);
    EXPECT_EQ(tray.Owner(), &form);
  }
  // A component's own destructor runs before the base one destroys what it owns.
  EXPECT_THAT(log, ElementsAre("HKM of 1", "LumoTray1 of 0", "Nested of 0"));
}

TEST(ComponentTest, DesignStateComesFromTheOwnerAtCreation) {
  std::vector<std::string> log;
  TComponent designer(nullptr);
  designer.SetDesigning(true);
  TComponent running(nullptr);
  EXPECT_TRUE(TComponent::Create<Probe>(designer, "a", log).Designing());
  EXPECT_FALSE(TComponent::Create<Probe>(running, "b", log).Designing());
  EXPECT_FALSE(TComponent(nullptr).Designing());
}

}  // namespace
}  // namespace vorn
