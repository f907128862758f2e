#include "toolkit/FlipScreenAnimation.h"

#include <algorithm>
#include <vector>

#include "theme/SettingManager.h"
#include "toolkit/AnimationPath.h"

namespace {

// Draws the page of `image` whose columns [left_edge, right_edge) carry the depths of `line`
// (one point per column, client x relative to the area), in runs of equal depth. The page's
// visible width is mapped onto the image's full width.
void DrawPage(platform::Surface& work, const platform::Surface& image, const RECT& area,
              const std::vector<POINT>& line, int left_edge, int right_edge) {
  const int width = RectWidth(area);
  const int height = RectHeight(area);
  const int64_t page_width = right_edge - left_edge;
  if (page_width <= 0) return;
  auto source_x = [&](int x) {
    return static_cast<int32_t>(static_cast<int64_t>(x - left_edge) * width / page_width);
  };
  size_t run_start = 0;
  while (run_start < line.size()) {
    const int depth = line[run_start].y;
    size_t run_end = run_start + 1;
    while (run_end < line.size() && line[run_end].y == depth) ++run_end;
    const int x0 = std::clamp<int>(line[run_start].x, left_edge, right_edge);
    const int x1 = std::clamp<int>(line[run_end - 1].x + 1, left_edge, right_edge);
    const int visible0 = std::max(x0, 0);
    const int visible1 = std::min(x1, width);
    if (visible1 > visible0 && height - 2 * depth > 0) {
      const RECT dst{area.left + visible0, area.top + depth, area.left + visible1,
                     area.top + height - depth};
      const RECT src{area.left + source_x(visible0), area.top,
                     area.left + std::max(source_x(visible1), source_x(visible0) + 1), area.bottom};
      work.StretchBlt(dst, image, src);
    }
    run_start = run_end;
  }
}

}  // namespace

FlipScreenAnimation::FlipScreenAnimation(int direction, int32_t duration_ms)
    : ScreenAnimation(duration_ms), direction_(static_cast<uint8_t>(direction)) {}

void FlipScreenAnimation::Step(bool& done, uint32_t elapsed_ms, platform::Surface& work,
                               const platform::Surface& old_image,
                               const platform::Surface& new_image, const RECT& area) {
  elapsed_ms = ClampElapsed(done, elapsed_ms);
  const int width = RectWidth(area);
  const int height = RectHeight(area);
  // An empty area has nothing to turn (and no width to divide the time by).
  if (width <= 0 || height <= 0) return;
  if (done) {
    work.BitBlt(area.left, area.top, width, height, new_image, area.left, area.top);
    return;
  }
  const int u = static_cast<int>(static_cast<int64_t>(elapsed_ms) * width / duration);
  const int half = width / 2;
  work.FillRect(area, theme::Settings().background_color);
  if (u < half) {
    // The old page turns away: its left edge recedes to the depth of the quarter turn.
    const std::vector<POINT> rim = LinePoints(0, 0, half, kMaxDepth);
    const int left_depth = rim[static_cast<size_t>(u)].y;
    DrawPage(work, old_image, area, LinePoints(u, left_depth, width - u, 0), u, width - u);
  } else {
    // The new page turns in: its right edge comes forward from the quarter-turn depth.
    const int v = u - half;
    const std::vector<POINT> rim = LinePoints(half, kMaxDepth, width, 0);
    const int right_edge = half + v;
    const int right_depth = rim[static_cast<size_t>(std::min(v, width - half))].y;
    DrawPage(work, new_image, area, LinePoints(half - v, 0, right_edge, right_depth), half - v,
             right_edge);
  }
}
