#include "ui/on_screen.h"

#include <algorithm>
#include <cstdint>

namespace vorn {

namespace {

// Settings may hold any 32-bit values: all arithmetic is done in 64 bits.
struct Span {
  std::int64_t Low;
  std::int64_t High;
};

Span Horizontal(const Rect& r) {
  return {r.Left, std::int64_t{r.Left} + std::max(r.Width, 0)};
}

Span Vertical(const Rect& r) {
  return {r.Top, std::int64_t{r.Top} + std::max(r.Height, 0)};
}

std::int64_t Overlap(Span a, Span b) {
  return std::max<std::int64_t>(0, std::min(a.High, b.High) - std::max(a.Low, b.Low));
}

std::int64_t Gap(Span a, Span b) {
  return std::max<std::int64_t>({0, b.Low - a.High, a.Low - b.High});
}

std::int64_t SharedArea(const Rect& a, const Rect& b) {
  return Overlap(Horizontal(a), Horizontal(b)) * Overlap(Vertical(a), Vertical(b));
}

// Larger is nearer: the shared area, or minus the squared gap when apart.
double Nearness(const Rect& bounds, const Rect& area) {
  if (const std::int64_t shared = SharedArea(bounds, area); shared > 0)
    return static_cast<double>(shared);
  const auto dx = static_cast<double>(Gap(Horizontal(bounds), Horizontal(area)));
  const auto dy = static_cast<double>(Gap(Vertical(bounds), Vertical(area)));
  return -(dx * dx + dy * dy);
}

int Fit(int start, int length, int area_start, int area_length) {
  const std::int64_t last = std::int64_t{area_start} + area_length - length;
  return static_cast<int>(std::clamp<std::int64_t>(start, area_start, last));
}

}  // namespace

Rect KeepOnScreen(const Rect& bounds, const std::vector<Rect>& work_areas) {
  if (work_areas.empty()) return bounds;
  const std::int64_t area =
      static_cast<std::int64_t>(std::max(bounds.Width, 0)) * std::max(bounds.Height, 0);
  std::int64_t visible = 0;
  for (const Rect& work : work_areas) visible += SharedArea(bounds, work);
  if (area > 0 && 2 * visible >= area) return bounds;

  const Rect& nearest = *std::max_element(
      work_areas.begin(), work_areas.end(),
      [&](const Rect& a, const Rect& b) { return Nearness(bounds, a) < Nearness(bounds, b); });
  Rect placed = bounds;
  placed.Width = std::clamp(bounds.Width, 0, std::max(nearest.Width, 0));
  placed.Height = std::clamp(bounds.Height, 0, std::max(nearest.Height, 0));
  placed.Left = Fit(bounds.Left, placed.Width, nearest.Left, nearest.Width);
  placed.Top = Fit(bounds.Top, placed.Height, nearest.Top, nearest.Height);
  return placed;
}

}  // namespace vorn
