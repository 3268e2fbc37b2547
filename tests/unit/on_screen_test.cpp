#include "ui/on_screen.h"

#include <gtest/gtest.h>

#include <climits>

namespace vorn {
namespace {

const Rect kLeftMonitor{0, 0, 1280, 984};
const Rect kRightMonitor{1280, 0, 1920, 1040};

TEST(KeepOnScreenTest, BoundsMostlyOnAnyMonitorAreKeptExactly) {
  const std::vector<Rect> both{kLeftMonitor, kRightMonitor};
  for (const Rect& kept : {Rect{100, 100, 309, 515}, Rect{1100, 100, 309, 515},
                           Rect{-100, 500, 309, 515}, Rect{3100, 20, 200, 400}})
    EXPECT_EQ(KeepOnScreen(kept, both), kept);
  // Half on the screen is enough.
  EXPECT_EQ(KeepOnScreen({-150, 0, 300, 400}, {kLeftMonitor}), (Rect{-150, 0, 300, 400}));
  // No monitors known: nothing to decide.
  EXPECT_EQ(KeepOnScreen({5000, 0, 300, 400}, {}), (Rect{5000, 0, 300, 400}));
}

TEST(KeepOnScreenTest, BoundsMostlyOffScreenMoveIntoTheNearestWorkArea) {
  const std::vector<Rect> both{kLeftMonitor, kRightMonitor};
  // Saved on a monitor that is gone, far to the right.
  EXPECT_EQ(KeepOnScreen({5000, 110, 309, 515}, both), (Rect{3200 - 309, 110, 309, 515}));
  EXPECT_EQ(KeepOnScreen({5000, 110, 309, 515}, {kLeftMonitor}), (Rect{1280 - 309, 110, 309, 515}));
  // Above and left of everything.
  EXPECT_EQ(KeepOnScreen({-2000, -900, 300, 400}, both), (Rect{0, 0, 300, 400}));
  // Mostly below the left monitor, a little of it on: still the left one.
  EXPECT_EQ(KeepOnScreen({200, 900, 300, 400}, both), (Rect{200, 984 - 400, 300, 400}));
  // Larger than the work area: shrunk to it.
  EXPECT_EQ(KeepOnScreen({9000, 9000, 4000, 3000}, {kLeftMonitor}), kLeftMonitor);
  // The extremes of the settings' range neither overflow nor stay off screen.
  EXPECT_EQ(KeepOnScreen({INT_MAX, INT_MIN, INT_MAX, INT_MAX}, {kLeftMonitor}),
            (Rect{0, 0, 1280, 984}));
}

}  // namespace
}  // namespace vorn
