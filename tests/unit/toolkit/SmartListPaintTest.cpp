// Painting of the smart list: scrolling by moving pixels gives the same picture as a full
// repaint while drawing only the rows of the uncovered strip, a background image turns the
// pixel moving off, only rows in the invalid area are drawn, short bottom-aligned content
// sits at the bottom, and the empty text shows when nothing is displayed.

#include <memory>
#include <vector>

#include "ToolkitFixture.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"
#include "toolkit/SmartListControl.h"

namespace {

class SmartListPaintTest : public HostedListFixture<SmartListControl> {
 protected:
  // Rows of 33 px in a list from y 20 to 300.
  void Fill(int count, int32_t row_height = 33) {
    HostedListFixture::Fill(count, row_height, RECT{0, 20, 240, 300});
  }
  int TotalDraws() const { return Total(&TestRow::draws); }
  void ResetDraws() {
    for (TestRow* row : rows_) row->draws = 0;
  }
  // The list painted in full at its current offset onto a fresh surface.
  std::unique_ptr<platform::Surface> FullPaint() {
    auto surface = std::make_unique<platform::Surface>(240, 320);
    list_->ForceFullPaint();
    list_->Paint(*surface, 0, 0, 240, 320);
    return surface;
  }
  // Scrolls to `offset` the way a drag or fling does: set, invalidate the list, paint.
  void ScrollAndPaint(int32_t offset) {
    list_->SetScrollOffset(offset);
    platform::ui::InvalidateRect(hwnd(), &list_->rect);
    Pump();
  }
  // Pixels in rows [top, bottom) that differ from the theme's background.
  int InkPixels(int top, int bottom) {
    int ink = 0;
    for (int y = top; y < bottom; ++y)
      for (int x = 0; x < 240; ++x)
        if (WindowSurface().GetPixel(x, y) != theme::Settings().background_color) ++ink;
    return ink;
  }
};

TEST_F(SmartListPaintTest, BlitScrollingAndFlingFramesMatchAFullRepaintAndDrawOnlyTheStrip) {
  Fill(100);
  const std::vector<int32_t> offsets{25, 70, 69, 400, 10, -20, 3000, 3000 - 500};
  for (int32_t offset : offsets) {
    ResetDraws();
    const int32_t before = list_->ScrollOffset();
    ScrollAndPaint(offset);
    const int32_t moved = std::abs(list_->ScrollOffset() - before);
    const int drawn = TotalDraws();
    // A strip of `moved` pixels crosses at most moved / 33 + 2 rows.
    if (moved < list_->ViewHeight()) {
      EXPECT_LE(drawn, moved / 33 + 2) << "offset " << offset;
    }
    const auto reference = FullPaint();
    EXPECT_EQ(CountDifferentPixels(WindowSurface(), *reference, list_->rect), 0)
        << "offset " << offset;
  }

  // A fling down the list, painted by the loop as it goes.
  ScrollAndPaint(0);
  Drag(100, 290, 100, 6, 16);
  PenUp(100, 100);
  ASSERT_TRUE(list_->IsFlinging());
  for (int frame = 0; frame < 10; ++frame) {
    Advance(30);
    const auto reference = FullPaint();
    ASSERT_EQ(CountDifferentPixels(WindowSurface(), *reference, list_->rect), 0)
        << "frame " << frame;
  }
}

TEST_F(SmartListPaintTest, OnlyRowsInTheInvalidAreaAreDrawnAllWithoutPixelMoving) {
  Fill(100);
  ResetDraws();
  const RECT part{0, 20 + 70, 240, 20 + 100};  // rows 2 (66..99) and 3 (99..132)
  platform::ui::InvalidateRect(hwnd(), &part);
  Pump();
  EXPECT_EQ(rows_[2]->draws, 1);
  EXPECT_EQ(rows_[3]->draws, 1);
  EXPECT_EQ(TotalDraws(), 2);
  // Outside the list: nothing.
  const RECT above{0, 0, 240, 20};
  platform::ui::InvalidateRect(hwnd(), &above);
  Pump();
  EXPECT_EQ(TotalDraws(), 2);

  // Without pixel moving, or over a background image, every visible row is drawn again.
  list_->SetNoBlitScrolling(true);
  PaintAll();
  ResetDraws();
  ScrollAndPaint(10);
  // Rows 0..8 cover 10..290 at 33 px each.
  EXPECT_EQ(TotalDraws(), 9);

  theme::Image background(std::make_unique<platform::Surface>(240, 320), u"plain");
  list_->SetNoBlitScrolling(false);
  list_->SetBackgroundImage(&background);
  ResetDraws();
  ScrollAndPaint(20);
  EXPECT_EQ(TotalDraws(), 10);  // rows 0..9 cover 20..300
  // The SMS list moves pixels even over its background image.
  list_->SetForceBlitScrolling(true);
  ResetDraws();
  ScrollAndPaint(25);
  EXPECT_LE(TotalDraws(), 2);
  list_->SetBackgroundImage(nullptr);
}

TEST_F(SmartListPaintTest, RowsAreLaidOutFromTheOffsetSelectionAndEmptyTextAreDrawn) {
  Fill(100);
  list_->SetScrollOffset(40);
  list_->SetSelectedIndex(3);
  list_->ForceFullPaint();
  PaintAll();
  EXPECT_EQ(rows_[2]->last_drawn, (RECT{0, 20 - 40 + 66, 240, 20 - 40 + 99}));
  const COLORREF plain = WindowSurface().GetPixel(100, 20 - 40 + 80);
  const COLORREF selected = WindowSurface().GetPixel(100, 20 - 40 + 110);
  EXPECT_EQ(selected, ~RGB(151, 153, 179) & 0x00FFFFFF);  // row 3's colour, inverted
  EXPECT_NE(plain, selected);

  // With nothing displayed the empty text is drawn in the middle.
  Fill(0);
  list_->SetEmptyText(u"Loading contacts...");
  PaintAll();
  EXPECT_GT(InkPixels(150, 170), 20);
  EXPECT_EQ(InkPixels(20, 100), 0);
}

TEST_F(SmartListPaintTest, ShortBottomAlignedContentSitsAtTheBottom) {
  Fill(3, 30);
  list_->SetBottomAligned(true);
  PaintAll();
  EXPECT_EQ(rows_[0]->last_drawn, (RECT{0, 300 - 90, 240, 300 - 60}));
  EXPECT_EQ(rows_[2]->last_drawn, (RECT{0, 270, 240, 300}));
  // Background above the rows.
  EXPECT_EQ(WindowSurface().GetPixel(100, 100), theme::Settings().background_color);
  // A tap hits the row drawn under the pen.
  Tap(100, 285);
  EXPECT_EQ(rows_[2]->clicks, 1);
  Tap(100, 100);
  EXPECT_EQ(rows_[0]->clicks + rows_[1]->clicks + rows_[2]->clicks, 1);
  // It never scrolls.
  Drag(100, 280, 100, 4, 16);
  PenUp(100, 100);
  EXPECT_EQ(list_->ScrollOffset(), 0);
}

}  // namespace
