// Pop-up menus on a real headless window: opening, choosing an entry, tapping outside, the
// "More..." page, and menus retired from inside their own actions (AddressSanitizer checks
// that nothing dead is touched).

#include <string>

#include "ToolkitFixture.h"
#include "platform/Text.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/Button.h"
#include "toolkit/ContainerPanel.h"
#include "toolkit/PopupMenu.h"

namespace {

// Button k of an open menu: x 45..195 on a 240 px screen, y 4 + 30k .. 34 + 30k.
constexpr int kButtonX = 100;
constexpr auto ButtonY = [](int k) { return 4 + 30 * k + 15; };

class MenuPopupTest : public ToolkitFixture {
 protected:
  void SetUp() override {
    ToolkitFixture::SetUp();
    Host(&owner_);
  }
  void TearDown() override {
    Host(nullptr);
    owner_.ClearChildren();  // handed back and deleted here, before the fixture's window
    ToolkitFixture::TearDown();
  }

  std::shared_ptr<Action> Record(const std::string& name) {
    return std::make_shared<CallbackAction>([this, name] { ran_.push_back(name); });
  }

  std::vector<MenuEntry> Entries(int count) {
    std::vector<MenuEntry> entries;
    for (int i = 1; i <= count; ++i) {
      const std::string name = "e" + std::to_string(i);
      entries.push_back(MenuEntry(platform::FromUtf8(name), Record(name)));
    }
    return entries;
  }

  // What the message loop does at the top of its next iteration.
  void LoopComesRound() { LightControl::DrainDeferredDeletions(); }

  BorderPanel* Menu() {
    return owner_.ChildCount() ? dynamic_cast<BorderPanel*>(owner_.Child(0)) : nullptr;
  }

  std::vector<std::u16string> Labels() {
    std::vector<std::u16string> labels;
    for (size_t i = 0; i < Menu()->ChildCount(); ++i) {
      labels.push_back(static_cast<Button*>(Menu()->Child(i))->text);
    }
    return labels;
  }

  ContainerPanel owner_{RECT{0, 0, 240, 320}};
  std::vector<std::string> ran_;
};

TEST_F(MenuPopupTest, OpensCentredAtTheTopInFrontOfTheOwnerAndAChoiceRunsOnceAndRetiresIt) {
  owner_.AddChild(std::make_unique<ContainerPanel>(RECT{0, 0, 240, 320}));
  BorderPanel* menu = ShowPopupMenu(owner_, Entries(3));
  ASSERT_EQ(Menu(), menu);
  EXPECT_TRUE(menu->visible);
  ASSERT_EQ(Labels(), (std::vector<std::u16string>{u"e1", u"e2", u"e3"}));

  // Choosing an entry runs it once and retires the menu.
  Tap(kButtonX, ButtonY(1));
  EXPECT_EQ(ran_, (std::vector<std::string>{"e2"}));
  EXPECT_EQ(owner_.ChildCount(), 1u);               // the other child stays
  EXPECT_EQ(LightControl::PendingDeletions(), 1u);  // the panel, its buttons and the proxy
  Pump();
  LoopComesRound();
  EXPECT_EQ(LightControl::PendingDeletions(), 0u);
}

TEST_F(MenuPopupTest, TappingOrSlidingOutsideOrAnEntryWithoutActionOnlyCloses) {
  ShowPopupMenu(owner_, Entries(3));
  PenUp(kButtonX, 300);  // the end of the tap that opened the menu: ignored
  EXPECT_EQ(owner_.ChildCount(), 1u);
  Tap(kButtonX, 300);
  EXPECT_TRUE(ran_.empty());
  EXPECT_EQ(owner_.ChildCount(), 0u);
  LoopComesRound();

  // Sliding off a button and releasing outside cancels it too.
  ShowPopupMenu(owner_, Entries(3));
  PenDown(kButtonX, ButtonY(0));
  PenMove(kButtonX, 300);
  PenUp(kButtonX, 300);
  EXPECT_TRUE(ran_.empty());
  EXPECT_EQ(owner_.ChildCount(), 0u);
  LoopComesRound();

  // An entry without action only closes the menu.
  ShowPopupMenu(owner_, {MenuEntry(u"nothing", nullptr)});
  Tap(kButtonX, ButtonY(0));
  EXPECT_EQ(owner_.ChildCount(), 0u);
  LoopComesRound();
}

TEST_F(MenuPopupTest, NineEntriesShowEightAndMoreWhosePageShowsTheNinth) {
  ShowPopupMenu(owner_, Entries(9));
  ASSERT_EQ(Menu()->ChildCount(), 9u);
  Tap(kButtonX, ButtonY(8));  // "More..."
  EXPECT_TRUE(ran_.empty());
  ASSERT_NE(Menu(), nullptr);
  EXPECT_TRUE(Menu()->visible);
  EXPECT_EQ(Labels(), (std::vector<std::u16string>{u"e9"}));
  EXPECT_EQ(Menu()->rect, (RECT{41, 0, 199, 38}));
  EXPECT_EQ(LightControl::PendingDeletions(), 9u);  // the first page, "More..." among them
  Pump();
  LoopComesRound();

  Tap(kButtonX, ButtonY(0));
  EXPECT_EQ(ran_, (std::vector<std::string>{"e9"}));
  EXPECT_EQ(owner_.ChildCount(), 0u);
  LoopComesRound();
}

TEST_F(MenuPopupTest, SubmenuEntryOpensItsEntriesInTheSamePanelAnActionMayOpenANewMenu) {
  std::vector<MenuEntry> entries{MenuEntry(u"Sort", Entries(2)),
                                 MenuEntry(u"Quit", Record("quit"))};
  BorderPanel* menu = ShowPopupMenu(owner_, entries);
  Tap(kButtonX, ButtonY(0));
  EXPECT_EQ(Menu(), menu);
  EXPECT_EQ(Labels(), (std::vector<std::u16string>{u"e1", u"e2"}));
  LoopComesRound();
  Tap(kButtonX, ButtonY(1));
  EXPECT_EQ(ran_, (std::vector<std::string>{"e2"}));
  LoopComesRound();

  // An entry may open another menu on the same owner.
  std::vector<MenuEntry> next{MenuEntry(
      u"Next", std::make_shared<CallbackAction>([this] { ShowPopupMenu(owner_, Entries(2)); }))};
  BorderPanel* first = ShowPopupMenu(owner_, next);
  Tap(kButtonX, ButtonY(0));
  ASSERT_EQ(owner_.ChildCount(), 1u);
  EXPECT_NE(Menu(), first);
  EXPECT_EQ(Labels(), (std::vector<std::u16string>{u"e1", u"e2"}));
  LoopComesRound();
  Tap(kButtonX, 300);
  EXPECT_EQ(owner_.ChildCount(), 0u);
  LoopComesRound();
}

TEST_F(MenuPopupTest, AProxyRunTwiceRetiresThePanelOnce) {
  int runs = 0;
  ShowPopupMenu(owner_, {MenuEntry(u"a", std::make_shared<CallbackAction>([&] { ++runs; }))});
  Action* proxy = static_cast<Button*>(Menu()->Child(0))->ClickAction();
  proxy->Execute();
  proxy->Execute();  // alive until the loop comes round; finds the panel gone
  EXPECT_EQ(runs, 2);
  EXPECT_EQ(LightControl::PendingDeletions(), 1u);
  LoopComesRound();
}

}  // namespace
