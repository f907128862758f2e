#include "platform/gfx/ClipStack.h"

namespace platform::gfx {

namespace {

// A guard against runaway painting loops: each exclusion can split the region further.
constexpr size_t kMaxExclusions = 1024;

// Appends the up to four pieces of `r` outside `cut`.
void AppendOutside(std::vector<RECT>& out, const RECT& r, const RECT& cut) {
  RECT overlap = IntersectRect(r, cut);
  if (IsRectEmpty(overlap)) {
    out.push_back(r);
    return;
  }
  if (overlap.top > r.top) out.push_back(RECT{r.left, r.top, r.right, overlap.top});
  if (overlap.bottom < r.bottom) out.push_back(RECT{r.left, overlap.bottom, r.right, r.bottom});
  if (overlap.left > r.left) {
    out.push_back(RECT{r.left, overlap.top, overlap.left, overlap.bottom});
  }
  if (overlap.right < r.right) {
    out.push_back(RECT{overlap.right, overlap.top, r.right, overlap.bottom});
  }
}

}  // namespace

void SubtractRect(std::vector<RECT>& region, const RECT& cut) {
  if (IsRectEmpty(cut)) return;
  std::vector<RECT> out;
  out.reserve(region.size() + 4);
  for (const RECT& r : region) AppendOutside(out, r, cut);
  region.swap(out);
}

ClipStack::ClipStack(const RECT& bounds) {
  levels_.push_back(Level{bounds, {}});
  Rebuild();
}

void ClipStack::Push(const RECT& rect) {
  // Each level holds the intersection with the levels below, so the top rectangle alone is
  // the pushed part of the clip.
  levels_.push_back(Level{IntersectRect(levels_.back().rect, rect), {}});
  Rebuild();
}

void ClipStack::Exclude(const RECT& rect) {
  if (levels_.back().excluded.size() >= kMaxExclusions) return;
  levels_.back().excluded.push_back(rect);
  Rebuild();
}

void ClipStack::Pop() {
  if (levels_.size() > 1) {
    levels_.pop_back();
  } else {
    levels_[0].excluded.clear();
  }
  Rebuild();
}

void ClipStack::Rebuild() {
  region_.clear();
  const RECT& top = levels_.back().rect;
  if (IsRectEmpty(top)) return;
  region_.push_back(top);
  for (const Level& level : levels_) {
    for (const RECT& cut : level.excluded) SubtractRect(region_, cut);
  }
}

}  // namespace platform::gfx
