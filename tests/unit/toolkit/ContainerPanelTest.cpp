// Routing of a ContainerPanel: which child gets an event, in which order, and what the panel
// answers.
#include <gtest/gtest.h>

#include "RecordingControl.h"
#include "platform/Messages.h"

namespace {

constexpr RECT kHit{1, 2, 30, 40};

class ContainerPanelTest : public ::testing::Test {
 protected:
  RecordingControl* Add(const std::string& name) {
    return panel_.AddChild(std::make_unique<RecordingControl>(name, &log_));
  }
  std::vector<std::string> log_;
  ContainerPanel panel_{RECT{0, 0, 240, 320}};
  platform::Surface surface_{8, 8};
};

TEST_F(ContainerPanelTest, FirstConsumerShadowsLaterChildrenPenDownJudgedByBottom) {
  RecordingControl* first = Add("first");
  RecordingControl* second = Add("second");
  first->down = kHit;
  second->down = RECT{5, 5, 6, 6};
  EXPECT_EQ(panel_.OnPenDown(3, 3), kHit);
  EXPECT_EQ(log_, (std::vector<std::string>{"first.Down"}));

  // Pen-down is judged consumed by the bottom, the others by the right: bottom > 0 but
  // right 0 is consumed for pen-down, not for the others.
  first->down = first->move = first->up = first->key = RECT{0, 0, 0, 5};
  second->move = second->up = second->key = kHit;
  EXPECT_EQ(panel_.OnPenDown(0, 0), (RECT{0, 0, 0, 5}));
  EXPECT_EQ(panel_.OnPenMove(0, 0), kHit);
  EXPECT_EQ(panel_.OnPenUp(0, 0), kHit);
  EXPECT_EQ(panel_.OnKey(0, u'a'), kHit);
}

TEST_F(ContainerPanelTest, PenReleasedReachesEveryVisibleChildAndMergesATimerStopsAtItsOwner) {
  RecordingControl* a = Add("a");
  RecordingControl* hidden = Add("hidden");
  RecordingControl* b = Add("b");
  hidden->visible = false;
  a->released = RECT{0, 0, 10, 10};
  b->released = RECT{20, 20, 30, 30};
  EXPECT_EQ(panel_.OnPenReleased(50, 50), (RECT{0, 0, 30, 30}));
  EXPECT_EQ(log_, (std::vector<std::string>{"a.Released", "b.Released"}));

  // A timer stops at its owner.
  RecordingControl* c = Add("c");
  a->timer_id = 1;
  b->timer_id = 2;
  c->timer_id = 2;
  log_.clear();
  EXPECT_TRUE(panel_.OnTimer(2));
  EXPECT_EQ(log_, (std::vector<std::string>{"a.Timer", "b.Timer"}));
  EXPECT_FALSE(panel_.OnTimer(99));
}

TEST_F(ContainerPanelTest, HiddenChildrenGetResizeAndTransitionsOnlyAndConsumeNothing) {
  auto* hidden = panel_.AddChild(std::make_unique<RecordingPanel>("p", &log_));
  RecordingControl* control = Add("c");
  hidden->visible = false;
  control->visible = false;
  control->down = control->move = control->up = control->released = control->key = kHit;
  control->timer_id = 7;
  panel_.Paint(surface_, 0, 0, 8, 8);
  EXPECT_EQ(panel_.OnPenDown(1, 1), kEmptyRect);
  EXPECT_EQ(panel_.OnPenMove(1, 1), kEmptyRect);
  EXPECT_EQ(panel_.OnPenUp(1, 1), kEmptyRect);
  EXPECT_EQ(panel_.OnPenReleased(1, 1), kEmptyRect);
  EXPECT_EQ(panel_.OnKey(VK_DOWN, 0), kEmptyRect);
  EXPECT_FALSE(panel_.OnTimer(7));
  EXPECT_TRUE(log_.empty());
  panel_.Resize(RECT{0, 0, 320, 240});
  panel_.OnTransitionStart();
  panel_.OnTransitionEnd();
  EXPECT_EQ(log_, (std::vector<std::string>{"c.Resize", "p.Start", "p.End"}));
  EXPECT_EQ(control->resized_with, (RECT{0, 0, 320, 240}));
  EXPECT_EQ(panel_.rect, (RECT{0, 0, 320, 240}));
}

TEST_F(ContainerPanelTest, ChildManagementKeepsOrderAndHandsOwnershipBack) {
  RecordingControl* a = Add("a");
  RecordingControl* b = Add("b");
  auto* front = panel_.InsertChildFront(std::make_unique<RecordingControl>("front", &log_));
  ASSERT_EQ(panel_.ChildCount(), 3u);
  EXPECT_EQ(panel_.Child(0), front);
  std::unique_ptr<LightControl> removed = panel_.RemoveChild(a);
  EXPECT_EQ(removed.get(), a);
  EXPECT_EQ(panel_.ChildCount(), 2u);
  EXPECT_EQ(panel_.Child(1), b);
  EXPECT_EQ(panel_.RemoveChild(a), nullptr);  // absent: nothing happens
  auto all = panel_.ClearChildren();
  EXPECT_EQ(panel_.ChildCount(), 0u);
  ASSERT_EQ(all.size(), 2u);
  EXPECT_EQ(all[0].get(), front);
}

// A child that removes itself during its own pen handler: the walk goes on safely and the
// child is deleted only when the deferred deletions are drained.
class SelfRemovingControl : public LightControl {
 public:
  SelfRemovingControl(ContainerPanel* parent, bool* destroyed)
      : LightControl(RECT{}), parent_(parent), destroyed_(destroyed) {}
  ~SelfRemovingControl() override { *destroyed_ = true; }
  RECT OnPenUp(int, int) override {
    LightControl::DeleteLater(parent_->RemoveChild(this));
    rect = RECT{0, 0, 1, 1};  // still alive here
    return kEmptyRect;
  }

 private:
  ContainerPanel* parent_;
  bool* destroyed_;
};

TEST_F(ContainerPanelTest, ChildDeletingItselfDuringDispatchIsDeferred) {
  bool destroyed = false;
  panel_.AddChild(std::make_unique<SelfRemovingControl>(&panel_, &destroyed));
  RecordingControl* after = Add("after");
  after->up = kHit;
  panel_.OnPenUp(1, 1);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(panel_.ChildCount(), 1u);
  LightControl::DrainDeferredDeletions();
  EXPECT_TRUE(destroyed);
  EXPECT_EQ(LightControl::PendingDeletions(), 0u);
}

TEST_F(ContainerPanelTest, PaintsLastChildFirstAndForwardsTransitionsOnlyToNestedPanels) {
  Add("a");
  Add("b");
  auto* outer = panel_.AddChild(std::make_unique<RecordingPanel>("outer", &log_));
  outer->AddChild(std::make_unique<RecordingPanel>("inner", &log_));
  EXPECT_TRUE(panel_.Paint(surface_, 0, 0, 8, 8));
  EXPECT_EQ(log_, (std::vector<std::string>{"b.Paint", "a.Paint"}));
  log_.clear();
  panel_.OnTransitionStart();
  EXPECT_EQ(log_, (std::vector<std::string>{"inner.Start", "outer.Start"}));
}

}  // namespace
