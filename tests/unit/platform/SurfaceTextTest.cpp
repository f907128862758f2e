// Text on surfaces: measuring, the DT_* placement flags, word breaking, prefixes, ellipsis,
// clipping, and private font files.
#include <gtest/gtest.h>

#include "platform/Messages.h"
#include "platform/Surface.h"
#include "support/TempDir.h"

using namespace platform;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// Bounding box of the pixels that are not white (empty when there are none).
RECT InkBounds(const Surface& s) {
  RECT box{s.Width(), s.Height(), 0, 0};
  for (int y = 0; y < s.Height(); ++y)
    for (int x = 0; x < s.Width(); ++x)
      if (s.GetPixel(x, y) != kWhite) {
        box = RECT{std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                   std::max(box.bottom, y + 1)};
      }
  return IsRectEmpty(box) ? RECT{} : box;
}

Font TestFont(int px = 16, int weight = 400) {
  return Font(FontDescription{px, weight, false, u"DejaVu Sans"});
}

}  // namespace

TEST(SurfaceText, FontLineHeightGrowsWithThePixelHeight) {
  Font small = TestFont(10), large = TestFont(30);
  EXPECT_GE(small.LineHeight(), 10);
  EXPECT_GT(large.LineHeight(), small.LineHeight());
  EXPECT_LT(large.LineHeight(), 30 * 2);
  Font hostile(FontDescription{-5, 99999, false, u""});  // theme values are outside input
  EXPECT_GE(hostile.LineHeight(), 1);
  EXPECT_GE(hostile.Description().pixel_height, 1);
  Font fallback(FontDescription{16, 400, false, u"NoSuchFaceAnywhere"});
  Surface s(100, 40);
  EXPECT_GT(s.MeasureText(u"Abc", fallback).cx, 0);
}

TEST(SurfaceText, CalcRectMeasuresWithoutDrawingAndGrowsWithTheText) {
  Surface s(300, 100);
  Font font = TestFont();
  int previous = 0;
  for (std::u16string text : {u"i", u"in", u"ink", u"inked", u"inked text"}) {
    RECT r{10, 20, 10, 20};
    int h = s.DrawText(text, r, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX, font, kBlack);
    const SIZE size = s.MeasureText(text, font);
    EXPECT_EQ(h, size.cy);
    EXPECT_EQ(r, (RECT{10, 20, 10 + size.cx, 20 + size.cy}));
    EXPECT_GT(size.cx, previous);
    previous = size.cx;
  }
  EXPECT_EQ(InkBounds(s), RECT{});
}

TEST(SurfaceText, WordBreakWrapsAtTheWidthAndGrowsTheHeight) {
  Surface s(200, 200);
  Font font = TestFont();
  std::u16string text = u"several words that cannot fit on one narrow line";
  RECT one{0, 0, 1000, 0};
  int single = s.DrawText(text, one, DT_CALCRECT | DT_SINGLELINE, font, kBlack);
  RECT wrapped{0, 0, 80, 0};
  int multi = s.DrawText(text, wrapped, DT_CALCRECT | DT_WORDBREAK, font, kBlack);
  EXPECT_GE(multi, 3 * single);
  EXPECT_LE(RectWidth(wrapped), 80);
  RECT wider{0, 0, 160, 0};
  EXPECT_LT(s.DrawText(text, wider, DT_CALCRECT | DT_WORDBREAK, font, kBlack), multi);
  RECT draw{0, 0, 80, 200};
  s.DrawText(text, draw, DT_WORDBREAK, font, kBlack);
  RECT ink = InkBounds(s);
  EXPECT_LE(ink.right, 80);
  EXPECT_GT(RectHeight(ink), 2 * single);
}

TEST(SurfaceText, HorizontalAndVerticalPlacement) {
  Font font = TestFont();
  auto ink_of = [&](uint32_t flags) {
    Surface s(200, 60);
    RECT r{0, 0, 200, 60};
    s.DrawText(u"Mid", r, flags | DT_SINGLELINE, font, kBlack);
    return InkBounds(s);
  };
  RECT left = ink_of(DT_LEFT), centre = ink_of(DT_CENTER), right = ink_of(DT_RIGHT);
  EXPECT_LT(left.left, 5);
  EXPECT_GT(right.right, 195);
  EXPECT_NEAR((centre.left + centre.right) / 2, 100, 3);
  EXPECT_EQ(RectWidth(left), RectWidth(centre));
  RECT top = ink_of(DT_LEFT), middle = ink_of(DT_VCENTER), bottom = ink_of(DT_BOTTOM);
  EXPECT_LT(top.top, 10);
  EXPECT_GT(bottom.bottom, 50);
  EXPECT_NEAR((middle.top + middle.bottom) / 2, 30, 4);
}

TEST(SurfaceText, TextIsClippedToItsRectangleUnlessNoClip) {
  Font font = TestFont(20);
  Surface clipped(200, 60), free(200, 60);
  RECT r{0, 0, 30, 60};
  clipped.DrawText(u"WWWWWW", r, DT_SINGLELINE, font, kBlack);
  free.DrawText(u"WWWWWW", r, DT_SINGLELINE | DT_NOCLIP, font, kBlack);
  EXPECT_LE(InkBounds(clipped).right, 30);
  EXPECT_GT(InkBounds(free).right, 30);
}

TEST(SurfaceText, PrefixesAreRemovedUnlessNoPrefix) {
  Surface s(10, 10);
  Font font = TestFont();
  auto width = [&](std::u16string_view text, uint32_t flags) {
    RECT r{};
    s.DrawText(text, r, flags | DT_CALCRECT | DT_SINGLELINE, font, kBlack);
    return RectWidth(r);
  };
  EXPECT_EQ(width(u"&File", 0), width(u"File", DT_NOPREFIX));
  EXPECT_EQ(width(u"a&&b", 0), width(u"a&b", DT_NOPREFIX));
  EXPECT_GT(width(u"a&&b", DT_NOPREFIX), width(u"a&b", DT_NOPREFIX));
  EXPECT_EQ(width(u"ab&", 0), width(u"ab", DT_NOPREFIX));
  // The marked letter is underlined: more ink below the baseline than without the mark.
  Surface plain(100, 40), marked(100, 40);
  RECT r{0, 0, 100, 40};
  plain.DrawText(u"File", r, DT_SINGLELINE | DT_NOPREFIX, font, kBlack);
  marked.DrawText(u"&File", r, DT_SINGLELINE, font, kBlack);
  EXPECT_GT(InkBounds(marked).bottom, InkBounds(plain).bottom);
}

TEST(SurfaceText, EndEllipsisKeepsALongLineInsideTheWidth) {
  Surface s(400, 40);
  Font font = TestFont();
  std::u16string text = u"a rather long line of text that does not fit";
  RECT r{0, 0, 120, 40};
  s.DrawText(text, r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP, font, kBlack);
  EXPECT_LE(InkBounds(s).right, 120);
  EXPECT_GT(InkBounds(s).right, 80);
}

TEST(SurfaceText, EmptyTextAndInvalidColourDrawNothing) {
  Surface s(100, 40);
  Font font = TestFont();
  RECT r{5, 5, 50, 30};
  EXPECT_EQ(s.DrawText(u"", r, DT_CALCRECT, font, kBlack), 0);
  EXPECT_EQ(r, (RECT{5, 5, 5, 5}));
  RECT single{5, 5, 50, 30};
  EXPECT_EQ(s.DrawText(u"", single, DT_CALCRECT | DT_SINGLELINE, font, kBlack), font.LineHeight());
  RECT full{0, 0, 100, 40};
  EXPECT_GT(s.DrawText(u"Text", full, DT_SINGLELINE, font, kInvalidColor), 0);
  EXPECT_EQ(InkBounds(s), RECT{});
}

TEST(SurfaceText, SingleLineShowsLineBreaksAsSpaces) {
  Surface s(10, 10);
  Font font = TestFont();
  RECT a{}, b{};
  s.DrawText(u"one\r\ntwo", a, DT_CALCRECT | DT_SINGLELINE, font, kBlack);
  s.DrawText(u"one  two", b, DT_CALCRECT | DT_SINGLELINE, font, kBlack);
  EXPECT_EQ(a, b);
  RECT lines{};
  s.DrawText(u"one\ntwo", lines, DT_CALCRECT, font, kBlack);
  EXPECT_GE(RectHeight(lines), 2 * RectHeight(b) - 2);
}

TEST(SurfaceText, TextDrawsInTheGivenColourThroughTheClip) {
  Surface s(100, 40);
  Font font = TestFont(24, 700);
  s.PushClip(RECT{0, 0, 50, 40});
  RECT r{0, 0, 100, 40};
  s.DrawText(u"HHHHHHHH", r, DT_SINGLELINE | DT_VCENTER, font, RGB(255, 0, 0));
  s.PopClip();
  RECT ink = InkBounds(s);
  EXPECT_LE(ink.right, 50);
  bool saw_red = false;
  for (int y = ink.top; y < ink.bottom; ++y)
    for (int x = ink.left; x < ink.right; ++x) saw_red |= s.GetPixel(x, y) == RGB(255, 0, 0);
  EXPECT_TRUE(saw_red);
}

TEST(SurfaceText, PrivateFontFilesRegisterOnceRefuseNonFontsAndRetryFailures) {
  testing_support::TempDir dir;
  std::string bogus = dir.Write("Bogus.ttf", "this is not a font file at all");
  EXPECT_FALSE(RegisterPrivateFontFile(bogus));
  EXPECT_FALSE(RegisterPrivateFontFile(dir.File("Missing.ttf")));
  EXPECT_FALSE(RegisterPrivateFontFile(""));
  EXPECT_FALSE(RegisterPrivateFontFile(dir.path()));  // a folder
  // A real font file: a copy of the pinned test font, registered twice with the same result.
  std::string copy = dir.Write(
      "Private.ttf", testing_support::ReadAll("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"));
  EXPECT_TRUE(RegisterPrivateFontFile(copy));
  EXPECT_TRUE(RegisterPrivateFontFile(copy));
  // A file that was missing, or not a font, is tried again once it is there or has changed.
  const std::string font =
      testing_support::ReadAll("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf");
  const std::string later = dir.File("Later.ttf");
  EXPECT_FALSE(RegisterPrivateFontFile(later));
  dir.Write("Later.ttf", font);
  EXPECT_TRUE(RegisterPrivateFontFile(later));
  dir.Write("Bogus.ttf", font);
  EXPECT_TRUE(RegisterPrivateFontFile(bogus));
  Surface s(100, 40);
  EXPECT_GT(s.MeasureText(u"Text", TestFont()).cx, 0);  // the engine still works after reload
}
