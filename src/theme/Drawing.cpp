// Solid fill, dim and fade over platform surfaces.
#include "theme/Drawing.h"

namespace theme {

namespace {

void BlendColor(platform::Surface& dc, const RECT& rect, COLORREF color, uint8_t alpha) {
  platform::Surface pixel(1, 1);
  pixel.FillRect(pixel.Bounds(), color);
  dc.AlphaBlend(rect, pixel, pixel.Bounds(), alpha);
}

}  // namespace

void FillSolidRect(platform::Surface& dc, const RECT& rect, COLORREF color) {
  dc.FillRect(rect, color);
}

void DimRect(platform::Surface& dc, const RECT& rect) {
  BlendColor(dc, rect, RGB(0, 0, 0), 100);
}

void FadeWindow(platform::Surface& window, COLORREF fade_color,
                const std::function<void()>& present) {
  const RECT bounds = window.Bounds();
  platform::Surface copy(window.Width(), window.Height());
  copy.BitBlt(0, 0, window.Width(), window.Height(), window, 0, 0);
  for (int step = 0; step < 10; ++step) {
    BlendColor(copy, bounds, fade_color, static_cast<uint8_t>(step * 26));
    window.BitBlt(0, 0, window.Width(), window.Height(), copy, 0, 0);
    if (present) present();
  }
}

}  // namespace theme
