#include "platform/dpi_scale.h"

#include <gtest/gtest.h>

namespace vorn {
namespace {

TEST(DpiScaleTest, LengthsRoundHalfAwayFromZeroSoFontHeightsScaleAsSizes) {
  EXPECT_EQ(ScaleDpi(309, kDesignDpi, kDesignDpi), 309);
  EXPECT_EQ(ScaleDpi(309, kDesignDpi, 144), 464);  // 463.5
  EXPECT_EQ(ScaleDpi(-11, kDesignDpi, 144), -17);  // -16.5
  EXPECT_EQ(ScaleDpi(-13, kDesignDpi, 144), -20);
  EXPECT_EQ(ScaleDpi(-13, kDesignDpi, 120), -16);  // -16.25
  EXPECT_EQ(ScaleDpi(41, kDesignDpi, 120), 51);    // 51.25
  EXPECT_EQ(ScaleDpi(62, 144, kDesignDpi), 41);    // 41.33, back to the design
  // A window on a 400 % screen far off the primary one: no overflow on the way.
  EXPECT_EQ(ScaleDpi(20'000'000, kDesignDpi, 384), 80'000'000);
}

TEST(DpiScaleTest, AnUnknownDpiLeavesTheLengthAlone) {
  // The system answers 0 for a window that is gone.
  EXPECT_EQ(ScaleDpi(41, kDesignDpi, 0), 41);
  EXPECT_EQ(ScaleDpi(41, 0, 144), 41);
  EXPECT_EQ(ScaleDpi(41, -96, 144), 41);
}

TEST(DpiScaleTest, RectanglesThatTouchKeepTouchingAtEveryDpi) {
  // A panel of 41 and the list below it, at a DPI whose factor rounds both up.
  const Rect panel{0, 0, 309, 41};
  const Rect list{0, 41, 309, 100};
  for (int dpi : {96, 120, 144, 168, 192, 216}) {
    const Rect scaled_panel = ScaleDpi(panel, kDesignDpi, dpi);
    const Rect scaled_list = ScaleDpi(list, kDesignDpi, dpi);
    EXPECT_EQ(scaled_panel.Top + scaled_panel.Height, scaled_list.Top) << dpi;
    EXPECT_EQ(scaled_panel.Width, scaled_list.Width) << dpi;
  }
  EXPECT_EQ(ScaleDpi(Rect{8, 9, 153, 24}, kDesignDpi, 144), (Rect{12, 14, 230, 36}));
  EXPECT_EQ(ScaleDpi(Rect{-5, -5, 3, 3}, kDesignDpi, 144), (Rect{-8, -8, 5, 5}));
}

TEST(DpiScaleTest, DesignedBoundsScaleTheClientAreaAndTakeTheFrameOfTheirDpi) {
  // The main window: 309 x 510 with a frame of 8 x 46 at 96 DPI (caption and
  // menu bar), 12 x 67 at 144 DPI: the client area 301 x 464 becomes 452 x 696.
  const Rect designed{100, 50, 309, 510};
  EXPECT_EQ(DesignedBoundsAt(designed, {8, 46}, {8, 46}, kDesignDpi), designed);
  EXPECT_EQ(DesignedBoundsAt(designed, {8, 46}, {12, 67}, 144), (Rect{150, 75, 464, 763}));
  // A frame that does not grow with the DPI takes nothing from the client area.
  EXPECT_EQ(DesignedBoundsAt(designed, {8, 46}, {8, 46}, 144), (Rect{150, 75, 460, 742}));
}

}  // namespace
}  // namespace vorn
