#include "toolkit/GenieAnimation.h"

#include <algorithm>

namespace {

// The new screen's shape for one frame: edges at the top row and at the target's top row.
struct GenieShape {
  int top;       // first row of the box
  int top_left;  // ends of the box's first row
  int top_right;
  int bottom_left;  // ends of the row at the target's top
  int bottom_right;
  double bulge_limit;
};

}  // namespace

GenieAnimation::GenieAnimation(int32_t duration_ms, const RECT& target)
    : ScreenAnimation(duration_ms), target_(target) {}

void GenieAnimation::Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
                          const platform::Surface& old_image, const platform::Surface& new_image,
                          const RECT& area) {
  elapsed_ms = ClampElapsed(done, elapsed_ms);
  const int width = RectWidth(area);
  const int height = RectHeight(area);
  if (width <= 0 || height <= 0) return;
  if (done) {
    // The end state is the new screen exactly, wherever the target lies.
    work.BitBlt(area.left, area.top, width, height, new_image, area.left, area.top);
    return;
  }
  work.BitBlt(area.left, area.top, width, height, old_image, area.left, area.top);

  const int elapsed = static_cast<int>(elapsed_ms);
  const int growth_end = static_cast<int>(0.6 * duration);
  GenieShape shape{};
  if (elapsed <= growth_end) {
    const double f = growth_end > 0 ? static_cast<double>(elapsed) / growth_end : 0.0;
    shape.top = area.bottom - static_cast<int>((area.bottom - area.top) * f);
    shape.top_left = target_.left - static_cast<int>((target_.left - area.left) * f);
    shape.top_right =
        target_.right + std::min(static_cast<int>((area.right - target_.right) * f), width);
    shape.bottom_left = target_.left;
    shape.bottom_right = target_.right;
    shape.bulge_limit = 10;
  } else {
    const int shift_time = duration - growth_end;
    const double g = shift_time > 0 ? static_cast<double>(elapsed - growth_end) / shift_time : 1.0;
    const int k = static_cast<int>((width - target_.right + target_.left) * g);
    shape.top = area.top;
    shape.top_left = area.left;
    shape.top_right = area.right;
    shape.bottom_left = target_.left - k;
    shape.bottom_right = target_.right + k;
    shape.bulge_limit = std::min(width - k, 6);
  }

  // Rows from the box's top down to the target's top, shown where they fall in the area.
  const int rows = target_.top - shape.top;
  if (rows <= 0) return;
  const double half = rows / 2.0;
  const double amplitude = std::max(0.0, std::min(shape.bulge_limit, 0.1 * half));
  const int first = std::max(shape.top, static_cast<int>(area.top));
  const int last = std::min(target_.top, static_cast<int>(area.bottom));
  for (int y = first; y < last; ++y) {
    const int i = y - shape.top;
    const double t = static_cast<double>(i) / rows;
    const double offset = i - half;
    const double bulge = half > 0 ? amplitude * (half * half - offset * offset) / (half * half) : 0;
    int left = static_cast<int>(shape.top_left + (shape.bottom_left - shape.top_left) * t + bulge);
    int right =
        static_cast<int>(shape.top_right + (shape.bottom_right - shape.top_right) * t - bulge);
    left = std::clamp(left, static_cast<int>(area.left), static_cast<int>(area.right));
    right = std::clamp(right, static_cast<int>(area.left), static_cast<int>(area.right));
    if (right <= left) continue;
    // The image is not scaled vertically: its top row sits at the box's top edge.
    const int source_row = area.top + i;
    if (source_row >= area.bottom) break;
    work.StretchBlt(RECT{left, y, right, y + 1}, new_image,
                    RECT{area.left, source_row, area.right, source_row + 1});
  }
}
