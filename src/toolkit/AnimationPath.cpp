#include "toolkit/AnimationPath.h"

#include <algorithm>
#include <cstdlib>

int32_t PathStepsFor(int32_t duration_ms) {
  if (duration_ms <= 0) return 1;
  return std::min(duration_ms / 10 + 1, kMaxPathSteps);
}

std::vector<int32_t> BuildPath(int32_t from, int32_t to, int32_t steps,
                               std::span<const double> table) {
  if (table.size() < 2) table = kEaseOutTable;
  const int32_t n = std::clamp(steps, 1, kMaxPathSteps);
  const int32_t k = static_cast<int32_t>(table.size());
  const float scale = static_cast<float>(k - 1) / static_cast<float>(n);
  const int64_t distance = static_cast<int64_t>(to) - from;
  const int64_t low = std::min<int64_t>(from, to);
  const int64_t high = std::max<int64_t>(from, to);

  std::vector<int32_t> path(static_cast<size_t>(n));
  int64_t previous_raw = from;
  for (int32_t i = 0; i + 1 < n; ++i) {
    const float p = static_cast<float>(i) * scale;
    const int32_t j = std::min(static_cast<int32_t>(p), k - 2);
    const double fraction = table[j] + (static_cast<double>(p) - j) * (table[j + 1] - table[j]);
    const int64_t raw = static_cast<int64_t>(static_cast<double>(distance) * fraction + from);
    int64_t position = raw;
    if (i > 0) {
      // Every frame moves: a position that does not get ahead of the previous one (in the
      // direction the path runs here) is put one pixel further, never outside from..to.
      const double slope = (table[j + 1] - table[j]) * static_cast<double>(distance);
      int64_t ahead = raw > previous_raw ? 1 : (raw < previous_raw ? -1 : 0);
      if (ahead == 0) ahead = slope > 0 ? 1 : (slope < 0 ? -1 : 0);
      if (ahead != 0 && (position - path[i - 1]) * ahead <= 0) {
        position = std::clamp<int64_t>(path[i - 1] + ahead, low, high);
      }
    }
    previous_raw = raw;
    path[i] = static_cast<int32_t>(position);
  }
  path[n - 1] = to;
  return path;
}

int32_t PathAt(const std::vector<int32_t>& path, uint32_t elapsed_ms) {
  if (path.empty()) return 0;
  const size_t index = std::min<size_t>(elapsed_ms / 10, path.size() - 1);
  return path[index];
}

std::vector<POINT> LinePoints(int32_t x0, int32_t y0, int32_t x1, int32_t y1) {
  std::vector<POINT> points;
  points.reserve(static_cast<size_t>(std::abs(static_cast<int64_t>(x1) - x0)) + 1);
  points.push_back(POINT{x0, y0});
  if (x1 == x0) return points;
  const float slope = static_cast<float>(y1 - y0) / static_cast<float>(x1 - x0);
  const float intercept = static_cast<float>(y0) - static_cast<float>(x0) * slope;
  const int32_t step = x1 > x0 ? 1 : -1;
  for (int32_t x = x0 + step;; x += step) {
    points.push_back(POINT{x, static_cast<int32_t>(static_cast<float>(x) * slope + intercept)});
    if (x == x1) break;
  }
  return points;
}
