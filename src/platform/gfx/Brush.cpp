#include "platform/Brush.h"

namespace platform {

namespace {

// The largest multiple of `step` at or below `value` (also for negative values).
int FloorTo(int value, int step) {
  const int q = value / step;
  return (value % step != 0 && value < 0 ? q - 1 : q) * step;
}

}  // namespace

std::unique_ptr<Brush> Brush::Solid(COLORREF color) {
  std::unique_ptr<Brush> brush(new Brush);
  brush->color_ = color;
  return brush;
}

std::unique_ptr<Brush> Brush::Pattern(const Surface& bitmap) {
  std::unique_ptr<Brush> brush(new Brush);
  brush->pattern_ = std::make_unique<Surface>(bitmap.Width(), bitmap.Height());
  brush->pattern_->BitBlt(0, 0, bitmap.Width(), bitmap.Height(), bitmap, 0, 0);
  return brush;
}

void Brush::Fill(Surface& dc, const RECT& rect, POINT origin) const {
  if (IsRectEmpty(rect)) return;
  if (!pattern_) {
    dc.FillRect(rect, color_);
    return;
  }
  const int w = pattern_->Width();
  const int h = pattern_->Height();
  dc.PushClip(rect);
  const int first_x = origin.x + FloorTo(rect.left - origin.x, w);
  const int first_y = origin.y + FloorTo(rect.top - origin.y, h);
  for (int y = first_y; y < rect.bottom; y += h) {
    for (int x = first_x; x < rect.right; x += w) dc.BitBlt(x, y, w, h, *pattern_, 0, 0);
  }
  dc.PopClip();
}

}  // namespace platform
