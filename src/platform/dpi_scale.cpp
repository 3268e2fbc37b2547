#include "platform/dpi_scale.h"

#include <cstdint>

namespace vorn {

int ScaleDpi(int value, int from_dpi, int to_dpi) {
  if (from_dpi <= 0 || to_dpi <= 0 || from_dpi == to_dpi) return value;
  const std::int64_t product = std::int64_t{value} * to_dpi;
  const std::int64_t half = from_dpi / 2;
  const std::int64_t scaled =
      product >= 0 ? (product + half) / from_dpi : -((-product + half) / from_dpi);
  return static_cast<int>(scaled);
}

Rect ScaleDpi(const Rect& rect, int from_dpi, int to_dpi) {
  const int left = ScaleDpi(rect.Left, from_dpi, to_dpi);
  const int top = ScaleDpi(rect.Top, from_dpi, to_dpi);
  return {left, top, ScaleDpi(rect.Left + rect.Width, from_dpi, to_dpi) - left,
          ScaleDpi(rect.Top + rect.Height, from_dpi, to_dpi) - top};
}

Rect DesignedBoundsAt(const Rect& designed, FrameSize designed_frame, FrameSize frame, int dpi) {
  const Rect client =
      ScaleDpi(Rect{designed.Left, designed.Top, designed.Width - designed_frame.Width,
                    designed.Height - designed_frame.Height},
               kDesignDpi, dpi);
  return {client.Left, client.Top, client.Width + frame.Width, client.Height + frame.Height};
}

}  // namespace vorn
