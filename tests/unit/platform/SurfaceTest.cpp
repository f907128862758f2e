// Surfaces: fills, raster-op blits, stretching, blending, scrolling and the clip stack,
// checked pixel by pixel.
#include "platform/Surface.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace platform;

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Counts the pixels of `area` that hold `color`.
int CountColor(const Surface& s, const RECT& area, COLORREF color) {
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) n += s.GetPixel(x, y) == color;
  return n;
}

bool Near(COLORREF a, COLORREF b, int tolerance) {
  return std::abs(GetRValue(a) - GetRValue(b)) <= tolerance &&
         std::abs(GetGValue(a) - GetGValue(b)) <= tolerance &&
         std::abs(GetBValue(a) - GetBValue(b)) <= tolerance;
}

}  // namespace

TEST(Surface, NewSurfaceIsOpaqueWhiteAndClampedToOnePixel) {
  Surface s(0, -5);
  EXPECT_EQ(s.Bounds(), (RECT{0, 0, 1, 1}));
  EXPECT_EQ(s.Pixels()[0], 0xFFFFFFFFu);  // opaque white
  EXPECT_FALSE(s.HasAlpha());
  EXPECT_EQ(s.GetPixel(1, 0), kInvalidColor);
  EXPECT_EQ(s.GetPixel(-1, 0), kInvalidColor);
}

TEST(Surface, FillRectIsExactAndSkipsTheInvalidColour) {
  Surface s(20, 10);
  s.FillRect(RECT{2, 3, 7, 8}, RGB(12, 34, 56));
  EXPECT_EQ(CountColor(s, s.Bounds(), RGB(12, 34, 56)), 25);
  EXPECT_EQ(s.GetPixel(2, 3), RGB(12, 34, 56));
  EXPECT_EQ(s.GetPixel(7, 8), kWhite);
  s.FillRect(s.Bounds(), kInvalidColor);
  EXPECT_EQ(s.GetPixel(0, 0), kWhite);
  s.FillRect(RECT{-100, -100, 1 << 30, 1 << 30}, kBlue);  // far outside: clamped, no fault
  EXPECT_EQ(CountColor(s, s.Bounds(), kBlue), 200);
}

TEST(Surface, GradientRunsFromFirstToSecondColour) {
  Surface s(4, 100);
  s.GradientFill(s.Bounds(), kBlack, kWhite, Surface::Gradient::kVertical);
  EXPECT_TRUE(Near(s.GetPixel(0, 0), kBlack, 3));
  EXPECT_TRUE(Near(s.GetPixel(0, 99), kWhite, 3));
  for (int y = 1; y < 100; ++y)
    EXPECT_GE(GetRValue(s.GetPixel(2, y)), GetRValue(s.GetPixel(2, y - 1)));
  Surface h(100, 2);
  h.GradientFill(h.Bounds(), kRed, kBlue, Surface::Gradient::kHorizontal);
  EXPECT_TRUE(Near(h.GetPixel(0, 1), kRed, 3));
  EXPECT_TRUE(Near(h.GetPixel(99, 1), kBlue, 3));
  EXPECT_EQ(h.GetPixel(50, 0), h.GetPixel(50, 1));
}

TEST(Surface, EachRasterOperationCombinesTheBitsExactly) {
  const COLORREF src_color = RGB(0xF0, 0x0F, 0x5A);
  const COLORREF dst_color = RGB(0x3C, 0xFF, 0xA5);
  Surface src(4, 4);
  src.FillRect(src.Bounds(), src_color);
  struct Case {
    uint32_t rop;
    COLORREF expected;
  } cases[] = {
      {SRCCOPY, src_color},
      {NOTSRCCOPY, RGB(0x0F, 0xF0, 0xA5)},
      {SRCAND, RGB(0x30, 0x0F, 0x00)},
      {SRCPAINT, RGB(0xFC, 0xFF, 0xFF)},
      {SRCINVERT, RGB(0xCC, 0xF0, 0xFF)},
  };
  for (const Case& c : cases) {
    Surface dst(6, 6);
    dst.FillRect(dst.Bounds(), dst_color);
    dst.BitBlt(1, 1, 4, 4, src, 0, 0, c.rop);
    EXPECT_EQ(dst.GetPixel(1, 1), c.expected) << std::hex << c.rop;
    EXPECT_EQ(dst.GetPixel(4, 4), c.expected) << std::hex << c.rop;
    EXPECT_EQ(dst.GetPixel(5, 5), dst_color);
    EXPECT_EQ(dst.Pixels()[dst.StridePixels() + 1] >> 24, 0xFFu) << "result is opaque";
  }
}

TEST(Surface, BitBltIgnoresSourceAlphaAndClipsAtBothEdges) {
  Surface src(3, 3);
  src.FillRect(src.Bounds(), kRed);
  src.Pixels()[0] = 0x00000000;  // a transparent pixel: copied as black bits
  src.MarkDirty();
  Surface dst(4, 4);
  dst.BitBlt(-1, -1, 10, 10, src, 0, 0);  // partly off the destination
  EXPECT_EQ(dst.GetPixel(0, 0), kRed);
  EXPECT_EQ(dst.GetPixel(1, 1), kRed);
  EXPECT_EQ(dst.GetPixel(2, 2), kWhite);
  Surface dst2(4, 4);
  dst2.BitBlt(0, 0, 4, 4, src, -1, -1);  // partly off the source
  EXPECT_EQ(dst2.GetPixel(0, 0), kWhite);
  EXPECT_EQ(dst2.GetPixel(1, 1), kBlack);
  EXPECT_EQ(dst2.GetPixel(2, 2), kRed);
  EXPECT_EQ(dst2.Pixels()[dst2.StridePixels() + 1] >> 24, 0xFFu);
}

TEST(Surface, BitBltOntoItselfWithOverlapCopiesTheOriginalPixels) {
  Surface s(10, 1);
  for (int x = 0; x < 10; ++x) s.FillRect(RECT{x, 0, x + 1, 1}, RGB(x * 10, 0, 0));
  s.BitBlt(2, 0, 8, 1, s, 0, 0);
  for (int x = 2; x < 10; ++x) EXPECT_EQ(s.GetPixel(x, 0), RGB((x - 2) * 10, 0, 0));
}

TEST(Surface, StretchBltScalesAndAppliesTheRasterOperation) {
  Surface src(2, 2);
  src.FillRect(src.Bounds(), kRed);
  Surface dst(10, 10);
  dst.StretchBlt(RECT{1, 1, 9, 9}, src, src.Bounds());
  EXPECT_EQ(CountColor(dst, RECT{1, 1, 9, 9}, kRed), 64);
  EXPECT_EQ(CountColor(dst, dst.Bounds(), kRed), 64);  // nothing beside the target
  dst.StretchBlt(RECT{0, 0, 10, 10}, src, src.Bounds(), NOTSRCCOPY);
  EXPECT_EQ(CountColor(dst, dst.Bounds(), RGB(0, 255, 255)), 100);
}

TEST(Surface, AlphaBlendMixesWithConstantAlphaAndUsesSourceAlphaOnlyWhenAsked) {
  Surface one(1, 1);
  one.FillRect(one.Bounds(), kBlack);
  Surface dst(8, 8);
  dst.AlphaBlend(RECT{0, 0, 4, 8}, one, one.Bounds(), 100);  // stretched 1x1, as fades do
  EXPECT_TRUE(Near(dst.GetPixel(3, 7), RGB(155, 155, 155), 1));
  EXPECT_EQ(dst.GetPixel(4, 0), kWhite);
  dst.AlphaBlend(dst.Bounds(), one, one.Bounds(), 0);
  EXPECT_EQ(dst.GetPixel(7, 7), kWhite);
  dst.AlphaBlend(dst.Bounds(), one, one.Bounds(), 255);
  EXPECT_EQ(dst.GetPixel(7, 7), kBlack);
  one.Pixels()[0] = 0x00000000;  // fully transparent
  one.MarkDirty();
  Surface a(2, 2), b(2, 2);
  a.AlphaBlend(a.Bounds(), one, one.Bounds(), 255, false);
  EXPECT_EQ(a.GetPixel(0, 0), kBlack);  // alpha ignored: the colour bits are black
  b.AlphaBlend(b.Bounds(), one, one.Bounds(), 255, true);
  EXPECT_EQ(b.GetPixel(0, 0), kWhite);
}

TEST(Surface, DrawTransparentKeepsTheBackgroundUnderClearPixels) {
  Surface icon(2, 1);
  icon.Pixels()[0] = 0xFFFF0000;  // opaque red
  icon.Pixels()[1] = 0x80000080;  // half-transparent blue, premultiplied
  icon.MarkDirty();
  Surface dst(2, 1);
  dst.FillRect(dst.Bounds(), kBlack);
  dst.DrawTransparent(dst.Bounds(), icon, icon.Bounds());
  EXPECT_EQ(dst.GetPixel(0, 0), kRed);
  EXPECT_TRUE(Near(dst.GetPixel(1, 0), RGB(0, 0, 128), 1));
}

TEST(Surface, ScrollMovesPixelsAndReportsTheUncoveredStrip) {
  Surface s(10, 10);
  for (int y = 0; y < 10; ++y) s.FillRect(RECT{0, y, 10, y + 1}, RGB(0, y * 20, 0));
  RECT area{2, 2, 8, 8};
  EXPECT_EQ(s.ScrollRect(area, 0, -2), (RECT{2, 6, 8, 8}));
  EXPECT_EQ(s.GetPixel(2, 2), RGB(0, 80, 0));   // row 4 moved up to row 2
  EXPECT_EQ(s.GetPixel(7, 5), RGB(0, 140, 0));  // row 7 moved up to row 5
  EXPECT_EQ(s.GetPixel(1, 2), RGB(0, 40, 0));   // outside the area: untouched
  EXPECT_EQ(s.GetPixel(2, 8), RGB(0, 160, 0));  // below the area: untouched
  EXPECT_EQ(s.ScrollRect(area, 0, 3), (RECT{2, 2, 8, 5}));
  EXPECT_EQ(s.GetPixel(4, 5), RGB(0, 80, 0));
  EXPECT_EQ(s.ScrollRect(area, 2, 0), (RECT{2, 2, 4, 8}));
  EXPECT_EQ(s.ScrollRect(area, -1, 1), (RECT{2, 2, 8, 8}));  // both strips: their union
  EXPECT_EQ(s.ScrollRect(area, 0, 0), RECT{});
  EXPECT_EQ(s.ScrollRect(area, 0, 50), area);  // moved out entirely: all uncovered
}

TEST(Surface, ClipLimitsFillsAndBlitsAndExclusionCutsHoles) {
  Surface s(10, 10);
  s.PushClip(RECT{2, 2, 8, 8});
  s.ExcludeClip(RECT{4, 4, 6, 6});
  s.ExcludeClip(RECT{5, 5, 7, 7});  // overlapping exclusions stay excluded
  s.FillRect(s.Bounds(), kRed);
  EXPECT_EQ(s.GetPixel(1, 1), kWhite);
  EXPECT_EQ(s.GetPixel(2, 2), kRed);
  EXPECT_EQ(s.GetPixel(4, 4), kWhite);
  EXPECT_EQ(s.GetPixel(5, 5), kWhite);
  EXPECT_EQ(s.GetPixel(6, 6), kWhite);
  EXPECT_EQ(CountColor(s, s.Bounds(), kRed), 36 - 7);
  Surface blue(10, 10);
  blue.FillRect(blue.Bounds(), kBlue);
  s.BitBlt(0, 0, 10, 10, blue, 0, 0, SRCCOPY);
  EXPECT_EQ(CountColor(s, s.Bounds(), kBlue), 36 - 7);
  s.PopClip();
  s.FillRect(RECT{4, 4, 5, 5}, kBlack);
  EXPECT_EQ(s.GetPixel(4, 4), kBlack);
}

TEST(Surface, NestedClipsIntersectAndPopRestoresTheOuterOne) {
  Surface s(10, 10);
  s.PushClip(RECT{0, 0, 6, 6});
  s.PushClip(RECT{4, 4, 10, 10});
  s.FillRect(s.Bounds(), kRed);
  EXPECT_EQ(CountColor(s, s.Bounds(), kRed), 4);
  s.PopClip();
  s.FillRect(s.Bounds(), kBlue);
  EXPECT_EQ(CountColor(s, s.Bounds(), kBlue), 36);
  s.PopClip();
  s.PopClip();  // one pop too many is harmless
  s.FillRect(s.Bounds(), kBlack);
  EXPECT_EQ(CountColor(s, s.Bounds(), kBlack), 100);
  s.PushClip(RECT{20, 20, 30, 30});  // outside: nothing may be drawn
  s.FillRect(s.Bounds(), kWhite);
  EXPECT_EQ(CountColor(s, s.Bounds(), kBlack), 100);
}

TEST(Surface, ExclusionWithoutAPushedClipLastsUntilAPop) {
  Surface s(4, 1);
  s.ExcludeClip(RECT{0, 0, 2, 1});
  s.FillRect(s.Bounds(), kRed);
  EXPECT_EQ(CountColor(s, s.Bounds(), kRed), 2);
  s.PopClip();
  s.FillRect(s.Bounds(), kBlue);
  EXPECT_EQ(CountColor(s, s.Bounds(), kBlue), 4);
}

TEST(Surface, ScrollStaysInsideTheClip) {
  Surface s(4, 4);
  s.FillRect(RECT{0, 2, 4, 4}, kRed);
  s.PushClip(RECT{0, 0, 2, 4});
  s.ScrollRect(s.Bounds(), 0, -2);
  EXPECT_EQ(s.GetPixel(0, 0), kRed);
  EXPECT_EQ(s.GetPixel(3, 0), kWhite);
}

TEST(Surface, StraightLinesCoverWholePixelsUpToTheEndPoint) {
  Surface s(10, 10);
  s.Line(POINT{2, 5}, POINT{7, 5}, kRed, 1);
  EXPECT_EQ(CountColor(s, s.Bounds(), kRed), 5);
  EXPECT_EQ(s.GetPixel(2, 5), kRed);
  EXPECT_EQ(s.GetPixel(7, 5), kWhite);
  s.Line(POINT{1, 8}, POINT{1, 0}, kBlue, 2);
  EXPECT_EQ(CountColor(s, s.Bounds(), kBlue), 16);
  EXPECT_EQ(s.GetPixel(1, 8), kBlue);
  EXPECT_EQ(s.GetPixel(1, 0), kWhite);
}
