// The index strip: where the pen is accepted, the marker and the bubble, the jump on pen-up,
// the cached strip image and the current-letter marker.
#include <string>

#include "ScreensFixture.h"
#include "toolkit/SeparatorItem.h"

namespace {

constexpr uint32_t kJump = LeftSearchPanel::kJumpToLetterKey;

class LeftSearchPanelTest : public ScreensFixture {
 protected:
  void SetUp() override {
    ScreensFixture::SetUp();
    MakeScreen();
  }
};

TEST_F(LeftSearchPanelTest, PenOnEitherEdgeJumpsToTheLetterUnderIt) {
  struct Case {
    int x;
    int letter_index;
    char16_t letter;
  };
  // Strip 280 high, 27 letters: a letter every (280 - 6) / 27 pixels from y = 3.
  const Case cases[] = {{5, 0, u'#'},   {5, 1, u'A'},    {20, 13, u'M'}, {5, 26, u'Z'},
                        {235, 0, u'#'}, {220, 13, u'M'}, {239, 26, u'Z'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "x " << c.x << " letter " << c.letter_index);
    jumps_.clear();
    const int y = PenYForLetter(c.letter_index);
    strip().OnPenDown(c.x, y);
    EXPECT_EQ(strip().LetterUnderPen(), c.letter);
    strip().OnPenUp(c.x, y);
    ASSERT_EQ(jumps_.size(), 1u);
    EXPECT_EQ(jumps_[0], std::make_pair(kJump, c.letter));
  }
}

TEST_F(LeftSearchPanelTest, PenAwayFromTheBordersIsLeftToTheList) {
  struct Case {
    int x, y;
    bool accepted;
  };
  // Borders of 26 px: left x - 0 < 26, right x > 240 - 26; rows 0 to 280 inclusive.
  const Case cases[] = {{25, 100, true},  {26, 100, false}, {120, 100, false}, {214, 100, false},
                        {215, 100, true}, {5, 280, true},   {5, 281, false},   {5, -1, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    const RECT result = strip().OnPenDown(c.x, c.y);
    EXPECT_EQ(result.right != 0, c.accepted);
    EXPECT_EQ(strip().Pressed(), c.accepted);
    strip().OnPenUp(c.x, c.y);
  }
  EXPECT_EQ(strip().OnPenMove(5, 100), kEmptyRect);
  EXPECT_EQ(strip().OnPenUp(5, 100), kEmptyRect);
}

TEST_F(LeftSearchPanelTest, MarkerSitsHalfALetterBelowThePenAndTheBubbleFollows) {
  const float spacing = strip().LetterSpacing();
  ASSERT_NEAR(spacing, 274.0f / 27.0f, 1e-4);
  strip().OnPenDown(5, 100);
  EXPECT_EQ(strip().MarkerY(), static_cast<int>(100 + spacing * 0.5f));
  const int first = strip().MarkerY();
  EXPECT_EQ(strip().BubbleRect(), (RECT{4, first - 20, 104, first + 20}));

  const RECT repaint = strip().OnPenMove(5, 200);
  const int second = strip().MarkerY();
  EXPECT_EQ(second, static_cast<int>(200 + spacing * 0.5f));
  EXPECT_EQ(strip().BubbleRect(), (RECT{4, second - 20, 104, second + 20}));
  // The repaint covers where the bubble was and where it is now.
  EXPECT_EQ(repaint, (RECT{4, first - 20, 104, second + 20}));
}

TEST_F(LeftSearchPanelTest, BelowTheLastLetterTheBubbleKeepsTheLastLetterShown) {
  strip().OnPenDown(5, PenYForLetter(25));
  EXPECT_EQ(strip().LetterUnderPen(), u'Y');
  strip().OnPenMove(5, 279);  // the marker lands below the last cell
  EXPECT_EQ(strip().LetterUnderPen(), u'Y');
  strip().OnPenMove(5, 2000);  // far below the strip while the pen is captured
  strip().OnPenUp(5, 2000);
  ASSERT_EQ(jumps_.size(), 1u);
  EXPECT_EQ(jumps_[0].second, u'Y');
}

TEST_F(LeftSearchPanelTest, ATransitionDropsThePressWithoutAJump) {
  strip().OnPenDown(5, PenYForLetter(4));
  ASSERT_TRUE(strip().Pressed());
  screen_->OnTransitionStart();
  EXPECT_FALSE(strip().Pressed());
  EXPECT_EQ(strip().OnPenUp(5, PenYForLetter(4)), kEmptyRect);
  EXPECT_TRUE(jumps_.empty());
}

TEST_F(LeftSearchPanelTest, NoLettersOrNoRoomMeansNothingToPressAndNoDivisionByZero) {
  theme::Settings().index_letters.clear();
  EXPECT_EQ(strip().LetterSpacing(), 0.0f);
  EXPECT_EQ(strip().OnPenDown(5, 100), kEmptyRect);
  EXPECT_FALSE(strip().Pressed());
  EXPECT_EQ(strip().LetterAt(100), 0);
  PaintAll();  // draws the background only
  EXPECT_TRUE(strip().HasStripImage());

  theme::Settings().index_letters = u"AB";
  strip().Resize(RECT{0, 0, 240, 4});  // shorter than the two 3-px margins
  EXPECT_LT(strip().LetterSpacing(), 0.0f);
  EXPECT_EQ(strip().OnPenDown(5, 2), kEmptyRect);
  PaintAll();
}

TEST_F(LeftSearchPanelTest, TheStripImageIsDrawnOnceAndDroppedByAResize) {
  EXPECT_FALSE(strip().HasStripImage());
  PaintAll();
  ASSERT_TRUE(strip().HasStripImage());
  const auto& settings = theme::Settings();
  // Horizontal gradient from index_gradient_start at the left to index_gradient_end (red
  // channels compared; pixel centres sit half a pixel inside the gradient's ends).
  const auto red = [this](int x) {
    return static_cast<int>(WindowSurface().GetPixel(x, 1) & 0xFF);
  };
  EXPECT_NEAR(red(0), static_cast<int>(settings.index_gradient_start & 0xFF), 4);
  EXPECT_NEAR(red(15), static_cast<int>(settings.index_gradient_end & 0xFF), 4);
  strip().Resize(RECT{0, 0, 240, 200});
  EXPECT_FALSE(strip().HasStripImage());
}

// Each letter or dot drawn in the strip shows as one run of rows with ink in the letter
// column; letters that touch merge into one run.
TEST_F(LeftSearchPanelTest, LettersThatDoNotFitAreDrawnSmallerOrEveryOtherOne) {
  struct Case {
    int height;
    int min_runs;
  };
  // Portrait: every letter at the index font's size. Landscape (200 px for 27 letters): 14
  // letters with a dot between each two. The pen still finds every letter.
  const Case cases[] = {{320, 25}, {240, 25}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.height);
    strip().Resize(RECT{0, 0, 240, c.height - 40});
    PaintAll();
    int runs = 0;
    bool in_run = false;
    for (int y = 0; y < c.height - 40; ++y) {
      bool ink = false;
      for (int x = 4; x < LeftSearchPanel::kStripWidth; ++x) {
        ink = ink || (WindowSurface().GetPixel(x, y) & 0xFF) < 150;
      }
      runs += ink && !in_run ? 1 : 0;
      in_run = ink;
    }
    EXPECT_GE(runs, c.min_runs);
    for (int i = 0; i < 27; ++i) {
      EXPECT_EQ(strip().LetterAt(PenYForLetter(i) + static_cast<int>(strip().LetterSpacing() / 2)),
                theme::Settings().index_letters[static_cast<size_t>(i)]);
    }
  }
}

TEST_F(LeftSearchPanelTest, TheBubbleShowsWhilePressedAndGoesOnPenUp) {
  const int y = PenYForLetter(10);
  PenDown(5, y);
  Pump();
  const int marker = strip().MarkerY();
  EXPECT_EQ(WindowSurface().GetPixel(30, marker), 0xC8C8C8u);
  PenUp(5, y);
  Pump();
  EXPECT_NE(WindowSurface().GetPixel(30, marker), 0xC8C8C8u);
}

TEST_F(LeftSearchPanelTest, TheMarkerFollowsTheLetterAtTheTopOfTheList) {
  list().ClearFilter();
  list().AddItem(std::make_unique<SeparatorItem>(u'C', 30));
  list().AddItem(std::make_unique<SeparatorItem>(u'D', 400));
  PaintAll();
  const COLORREF bar = theme::Settings().index_font_color;
  const int c_middle = PenYForLetter(3) + 5;
  const int d_middle = PenYForLetter(4) + 5;
  EXPECT_EQ(WindowSurface().GetPixel(1, c_middle), bar);
  EXPECT_NE(WindowSurface().GetPixel(1, d_middle), bar);

  Pump();
  list().SetScrollOffset(40);
  // The scroll listener asks for the whole strip, which spans the list, to be repainted.
  EXPECT_EQ(hwnd()->Dirty(), strip().rect);
  Pump();
  EXPECT_NE(WindowSurface().GetPixel(1, c_middle), bar);
  EXPECT_EQ(WindowSurface().GetPixel(1, d_middle), bar);
}

TEST_F(LeftSearchPanelTest, WithoutASenderTheJumpGoesToTheList) {
  strip().SetKeySender(nullptr);
  list().ClearFilter();
  list().AddItem(std::make_unique<SeparatorItem>(u'A', 300));
  list().AddItem(std::make_unique<SeparatorItem>(u'M', 300));
  const int y = PenYForLetter(13);
  strip().OnPenDown(5, y);
  strip().OnPenUp(5, y);
  Advance(1000);  // the jump may be animated
  EXPECT_EQ(list().ScrollOffset(), 300);
}

}  // namespace
