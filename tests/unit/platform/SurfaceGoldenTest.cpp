// Antialiased shapes and scaled blends, where the exact pixels are the behaviour: compared
// with reference images. On a mismatch the rendering is written next to the test binary as
// <name>_err.png; QB_UPDATE_GOLDEN=1 rewrites the references on purpose.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/Surface.h"
#include "support/Golden.h"

using namespace platform;

namespace {

void ExpectMatchesGolden(const platform::Surface& rendered, const std::string& name) {
  testing_support::ExpectMatchesGolden(rendered, "platform", name);
}

}  // namespace

TEST(SurfaceGolden, ShapesWithPensAndBrushes) {
  Surface s(64, 48);
  s.FillRect(s.Bounds(), RGB(240, 240, 240));
  s.RoundRect(RECT{2, 2, 40, 22}, 10, 10, RGB(0, 0, 0), 1, RGB(255, 200, 80));
  s.RoundRect(RECT{44, 2, 62, 22}, 8, 4, RGB(0, 90, 200), 3, kInvalidColor);
  s.Ellipse(RECT{2, 26, 30, 46}, RGB(200, 0, 0), 2, RGB(255, 230, 230));
  s.Ellipse(RECT{34, 26, 44, 36}, kInvalidColor, 1, RGB(0, 140, 0));
  s.Line(POINT{34, 46}, POINT{62, 30}, RGB(0, 0, 0), 1);
  s.Line(POINT{48, 38}, POINT{62, 46}, RGB(0, 0, 160), 3);
  ExpectMatchesGolden(s, "shapes");
}

TEST(SurfaceGolden, StretchAndBlendOfASmallPattern) {
  Surface pattern(3, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x)
      pattern.FillRect(RECT{x, y, x + 1, y + 1}, RGB(x * 120, y * 120, 255 - (x + y) * 40));
  Surface s(48, 24);
  s.StretchBlt(RECT{0, 0, 24, 24}, pattern, pattern.Bounds());
  s.FillRect(RECT{24, 0, 48, 24}, RGB(255, 255, 255));
  s.AlphaBlend(RECT{24, 0, 48, 24}, pattern, pattern.Bounds(), 160);
  ExpectMatchesGolden(s, "stretch_blend");
}
