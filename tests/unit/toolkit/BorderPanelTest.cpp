// The pop-up menu panel: layout, modality and the close rules.

#include "RecordingControl.h"
#include "ToolkitFixture.h"
#include "theme/SettingManager.h"
#include "toolkit/BorderPanel.h"

namespace {

class FollowingButton : public RecordingControl, public RelativeChild {
 public:
  using RecordingControl::RecordingControl;
  void SetRelativeRect(const RECT& relative) override { relative_rect = relative; }
  RECT relative_rect{};
};

class BorderPanelTest : public ToolkitFixture {
 protected:
  FollowingButton* AddButton(const std::string& name) {
    return panel_.AddChild(std::make_unique<FollowingButton>(name, &log_));
  }

  std::vector<std::string> log_;
  BorderPanel panel_{nullptr, RECT{}};
};

TEST_F(BorderPanelTest, ThreeButtonsMakeAFramed98By158PanelCentredAtTheTopNoneTheMargins) {
  panel_.Resize(RECT{0, 0, 320, 240});
  EXPECT_EQ(panel_.rect, (RECT{81, 0, 239, 4}));  // empty: the margins only
  for (const char* name : {"a", "b", "c"}) AddButton(name);
  panel_.Resize(RECT{0, 0, 240, 320});
  EXPECT_EQ(panel_.rect, (RECT{41, 0, 199, 98}));
  auto* third = static_cast<FollowingButton*>(panel_.Child(2));
  EXPECT_EQ(third->relative_rect, (RECT{4, 64, 154, 94}));
  EXPECT_EQ(third->rect, (RECT{45, 64, 195, 94}));
  // Painted: the border, then the background.
  platform::Surface surface(240, 320);
  surface.FillRect(surface.Bounds(), RGB(0, 0, 0));
  panel_.Paint(surface, 0, 0, 240, 320);
  EXPECT_EQ(surface.GetPixel(41, 0), RGB(100, 100, 100));
  EXPECT_EQ(surface.GetPixel(42, 1), RGB(100, 100, 100));
  EXPECT_EQ(surface.GetPixel(43, 2), RGB(255, 255, 255));
  EXPECT_EQ(surface.GetPixel(40, 0), RGB(0, 0, 0));  // nothing outside the panel
  panel_.Resize(RECT{0, 0, 241, 320});
  EXPECT_EQ(panel_.rect.left, 41);  // (241 - 158) / 2 rounds toward zero
}

TEST_F(BorderPanelTest, SeveralColumnsKeepEveryButtonInsideThePanel) {
  theme::Settings().button_panel_columns = 2;
  for (const char* name : {"a", "b", "c", "d", "e"}) AddButton(name);
  panel_.Resize(RECT{0, 0, 480, 320});
  EXPECT_EQ(RectWidth(panel_.rect), 2 * 150 + 8);
  for (size_t i = 0; i < panel_.ChildCount(); ++i) {
    const RECT& r = panel_.Child(i)->rect;
    EXPECT_GE(r.left, panel_.rect.left) << i;
    EXPECT_LE(r.right, panel_.rect.right) << i;
    EXPECT_LE(r.bottom, panel_.rect.bottom) << i;
  }
  EXPECT_EQ(RectHeight(panel_.rect), 4 + 3 * 30 + 4);  // three rows
}

TEST_F(BorderPanelTest, SwallowsEveryPenDownPassesConsumedOnesAndMergesMoves) {
  FollowingButton* a = AddButton("a");
  FollowingButton* b = AddButton("b");
  EXPECT_EQ(panel_.OnPenDown(0, 300), (RECT{0, 0, 1, 1}));
  EXPECT_TRUE(panel_.PenDownSeen());
  a->down = RECT{45, 4, 195, 34};
  EXPECT_EQ(panel_.OnPenDown(50, 10), a->down);
  // Pen moves reach every child and merge.
  a->move = RECT{0, 0, 10, 10};
  b->move = RECT{5, 20, 15, 30};
  log_.clear();
  EXPECT_EQ(panel_.OnPenMove(1, 1), (RECT{0, 0, 15, 30}));
  EXPECT_EQ(log_, (std::vector<std::string>{"a.Move", "b.Move"}));
}

TEST_F(BorderPanelTest, TapOutsideRunsTheCancelActionAConsumedPenUpDoesNot) {
  FollowingButton* button = AddButton("a");
  int cancelled = 0;
  panel_.SetCancelAction([&] { ++cancelled; });
  panel_.Open();
  panel_.OnPenDown(50, 10);
  button->up = RECT{45, 4, 195, 34};
  EXPECT_EQ(panel_.OnPenUp(50, 10), button->up);
  EXPECT_EQ(cancelled, 0);
  button->up = kEmptyRect;
  panel_.OnPenDown(10, 300);
  EXPECT_EQ(panel_.OnPenUp(10, 300), (RECT{0, 0, 1, 1}));
  EXPECT_EQ(cancelled, 1);
  EXPECT_TRUE(panel_.visible);  // the action decides what happens to the panel
}

TEST_F(BorderPanelTest, TapOutsideWithoutActionClosesUpwardsButNeverThePenUpOfTheOpening) {
  AddButton("a");
  panel_.Resize(RECT{0, 0, 240, 320});
  panel_.Open();
  EXPECT_EQ(panel_.OnPenUp(10, 300), (RECT{0, 0, 1, 1}));
  EXPECT_TRUE(panel_.visible);
  EXPECT_EQ(panel_.rect.top, 0);
  panel_.OnPenDown(10, 300);
  panel_.OnPenUp(10, 300);
  EXPECT_FALSE(panel_.visible);
  EXPECT_EQ(panel_.rect, (RECT{41, -38, 199, 0}));
}

}  // namespace
