// Drawing of separator rows: thin rows draw nothing, the caption sits on the theme's
// background with the theme's alignment, and captions are shown literally.

#include "ToolkitFixture.h"
#include "platform/Messages.h"
#include "platform/Surface.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kWidth = 120;

class SeparatorDraw : public ToolkitFixture {
 protected:
  static platform::Surface Render(SeparatorItem& item) {
    platform::Surface surface(kWidth, 20);
    surface.FillRect(surface.Bounds(), kWhite);
    EXPECT_TRUE(item.Draw(surface, RECT{0, 0, kWidth, item.height}, false));
    return surface;
  }

  // Columns [first, last] that hold a pixel other than `paper`; {-1, -1} when none.
  static std::pair<int, int> InkColumns(const platform::Surface& s, int rows, COLORREF paper) {
    int first = -1, last = -1;
    for (int x = 0; x < s.Width(); ++x)
      for (int y = 0; y < rows; ++y) {
        const COLORREF c = s.GetPixel(x, y);
        if (c != paper) {
          if (first < 0) first = x;
          last = x;
          break;
        }
      }
    return {first, last};
  }
};

TEST_F(SeparatorDraw, RowsOfFivePixelsOrLessDrawNothing) {
  for (int height : {0, 1, 5}) {
    SeparatorItem item(u'A', height);
    EXPECT_EQ(InkColumns(Render(item), 20, kWhite), std::make_pair(-1, -1)) << height;
  }
}

TEST_F(SeparatorDraw, CaptionOnTheThemeBackgroundOrOnTheRowWhenThatIsInvalidAlignedByTheTheme) {
  SeparatorItem item(u'M', 18);
  const COLORREF background = theme::Settings().separator_bk_color;
  const platform::Surface s = Render(item);
  EXPECT_EQ(s.GetPixel(0, 0), background);
  EXPECT_EQ(s.GetPixel(kWidth - 1, 17), background);
  EXPECT_EQ(s.GetPixel(0, 18), kWhite);  // below the row
  // Centred by default: the ink straddles the middle.
  const auto [first, last] = InkColumns(s, 18, background);
  ASSERT_GE(first, 0);
  EXPECT_LT(first, kWidth / 2);
  EXPECT_GT(last, kWidth / 2);

  // An invalid background leaves the row as it was but still draws the caption.
  theme::Settings().separator_bk_color = kInvalidColor;
  theme::Settings().separator_text_color = RGB(0, 0, 0);
  const platform::Surface plain = Render(item);
  EXPECT_EQ(plain.GetPixel(0, 0), kWhite);
  EXPECT_GE(InkColumns(plain, 18, kWhite).first, 0);

  // The alignment comes from the theme.
  theme::Settings().ResetToDefaults();
  theme::Settings().separator_text_align = DT_RIGHT;
  const auto right = InkColumns(Render(item), 18, background);
  EXPECT_GT(right.first, kWidth / 2);
  theme::Settings().separator_text_align = DT_LEFT;
  const auto left = InkColumns(Render(item), 18, background);
  EXPECT_LT(left.second, kWidth / 2);
  // A format asking to measure instead of draw still draws the caption.
  theme::Settings().separator_text_align = DT_CALCRECT;
  EXPECT_GE(InkColumns(Render(item), 18, background).first, 0);
}

TEST_F(SeparatorDraw, CaptionIsShownLiterally) {
  // Filter headers carry user data such as company names: "&" is no mnemonic prefix.
  SeparatorItem item(u' ', 18);
  item.caption = u"AT&T";
  const platform::Surface drawn = Render(item);
  platform::Surface expected(kWidth, 20);
  expected.FillRect(expected.Bounds(), kWhite);
  expected.FillRect(RECT{0, 0, kWidth, 18}, theme::Settings().separator_bk_color);
  RECT text_rect{0, 0, kWidth, 18};
  expected.DrawText(u"AT&T", text_rect, DT_CENTER | DT_VCENTER | DT_NOPREFIX,
                    theme::Settings().separator_font, theme::Settings().separator_text_color);
  EXPECT_EQ(CountDifferentPixels(drawn, expected, expected.Bounds()), 0);
}

}  // namespace
