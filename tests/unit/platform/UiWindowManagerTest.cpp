// The window manager: message order, timers on the virtual clock, invalidation, input
// translation, focus and activation, rotation, the message box and composition.
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <utility>

#include "platform/Clock.h"
#include "platform/ui/InputSource.h"
#include "platform/ui/WindowApi.h"

namespace {

namespace ui = platform::ui;

using Pointer = ui::InputSink::Pointer;

// Input that a test supplies from a function, until the function returns false.
class FeedFrom : public ui::InputSource {
 public:
  explicit FeedFrom(std::function<bool(ui::WindowManager&)> feed) : feed_(std::move(feed)) {}
  bool Feed(ui::WindowManager& manager) override { return feed_(manager); }

 private:
  std::function<bool(ui::WindowManager&)> feed_;
};

using Logged = ui::MSG;

class UiWindowManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { platform::Clock::UseVirtual(5000); }

  ui::HWND Create(const char16_t* title, std::optional<RECT> rect = std::nullopt,
                  ui::HWND parent = nullptr) {
    return manager_.CreateWindow(u"Test", title, rect, true, parent,
                                 [this](ui::HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                                   log_.push_back(Logged{h, m, w, l});
                                   if (m == WM_PAINT) return ui::DefWindowProc(h, m, w, l);
                                   return 0;
                                 });
  }
  // Delivers everything pending, then forgets what was logged so far.
  void Settle() {
    manager_.PumpUntilIdle();
    log_.clear();
  }
  std::vector<Logged> Take(UINT message) {
    std::vector<Logged> out;
    for (const Logged& entry : log_) {
      if (entry.message == message) out.push_back(entry);
    }
    return out;
  }

  ui::WindowManager manager_{ui::WindowManagerOptions{240, 320}};
  std::vector<Logged> log_;
};

TEST_F(UiWindowManagerTest, NewTopLevelWindowGetsTheWorkAreaAndIsActivated) {
  ui::HWND hwnd = Create(u"main");
  EXPECT_EQ(manager_.GetWindowRect(hwnd), (RECT{0, 26, 240, 320}));
  EXPECT_EQ(manager_.GetClientRect(hwnd), (RECT{0, 0, 240, 294}));
  ASSERT_EQ(Take(WM_ACTIVATE).size(), 1u);
  EXPECT_EQ(Take(WM_ACTIVATE)[0].wParam, WA_ACTIVE);
  EXPECT_EQ(Take(WM_CREATE).size(), 1u);
  EXPECT_EQ(manager_.GetForegroundWindow(), hwnd);
  EXPECT_EQ(manager_.FindWindow(u"Test", u"main"), hwnd);
  EXPECT_EQ(manager_.FindWindow(u"Test", u"other"), nullptr);
}

TEST_F(UiWindowManagerTest, PostedMessagesComeInOrderBeforePaintAndTimers) {
  ui::HWND hwnd = Create(u"main");
  Settle();
  manager_.SetTimer(hwnd, 1, 10);
  platform::Clock::Advance(10);
  manager_.InvalidateRect(hwnd, nullptr);
  manager_.PostMessage(hwnd, WM_USER + 1, 0, 0);
  manager_.PostMessage(hwnd, WM_USER + 2, 0, 0);
  manager_.PumpUntilIdle();
  std::vector<UINT> order;
  for (const Logged& entry : log_) order.push_back(entry.message);
  EXPECT_EQ(order, (std::vector<UINT>{WM_USER + 1, WM_USER + 2, WM_PAINT, WM_TIMER}));
}

TEST_F(UiWindowManagerTest, InvalidationsMergeIntoOnePaint) {
  ui::HWND hwnd = Create(u"main");
  Settle();
  const RECT a{0, 0, 10, 10};
  const RECT b{20, 20, 30, 30};
  manager_.InvalidateRect(hwnd, &a);
  manager_.InvalidateRect(hwnd, &b);
  const RECT outside{500, 500, 600, 600};
  manager_.InvalidateRect(hwnd, &outside);         // clipped away
  EXPECT_EQ(hwnd->Dirty(), (RECT{0, 0, 30, 30}));  // the union of a and b
  manager_.PumpUntilIdle();
  EXPECT_EQ(Take(WM_PAINT).size(), 1u);
  EXPECT_TRUE(IsRectEmpty(hwnd->Dirty()));
}

TEST_F(UiWindowManagerTest, TimersFireInDueOrderOnTheVirtualClock) {
  ui::HWND hwnd = Create(u"main");
  manager_.SetTimer(hwnd, 1, 30);
  manager_.SetTimer(hwnd, 2, 20);
  Settle();
  EXPECT_EQ(manager_.TimeToNextTimer(), 20u);
  platform::Clock::Advance(30);
  manager_.PumpUntilIdle();
  auto timers = Take(WM_TIMER);
  ASSERT_EQ(timers.size(), 2u);
  EXPECT_EQ(timers[0].wParam, 2u);  // due first
  EXPECT_EQ(timers[1].wParam, 1u);
  EXPECT_TRUE(manager_.KillTimer(hwnd, 1));
  EXPECT_FALSE(manager_.KillTimer(hwnd, 1));
  platform::Clock::Advance(100);
  log_.clear();
  manager_.PumpUntilIdle();
  ASSERT_EQ(Take(WM_TIMER).size(), 1u);  // missed periods are not caught up
}

TEST_F(UiWindowManagerTest, PointerInputUsesClientCoordinatesAndCapture) {
  ui::HWND hwnd = Create(u"main");
  Settle();
  manager_.OnPointer(Pointer::kDown, 10, 30);
  manager_.SetCapture(hwnd);
  manager_.OnPointer(Pointer::kMove, 10, 5);  // above the window: captured
  manager_.PumpUntilIdle();
  ASSERT_EQ(log_.size(), 2u);
  EXPECT_EQ(log_[0].message, WM_LBUTTONDOWN);
  EXPECT_EQ(ui::GetXParam(log_[0].lParam), 10);
  EXPECT_EQ(ui::GetYParam(log_[0].lParam), 4);
  EXPECT_EQ(log_[1].message, WM_MOUSEMOVE);
  EXPECT_EQ(ui::GetYParam(log_[1].lParam), -21);  // signed 16-bit
}

TEST_F(UiWindowManagerTest, ChildWindowsTakeInputOverTheirParent) {
  ui::HWND main = Create(u"main");
  ui::HWND child = Create(u"child", RECT{10, 10, 50, 50}, main);
  Settle();
  manager_.OnPointer(Pointer::kDown, 20, 46);  // client (20, 20) of main
  manager_.OnPointer(Pointer::kDown, 100, 100);
  manager_.PumpUntilIdle();
  auto downs = Take(WM_LBUTTONDOWN);
  ASSERT_EQ(downs.size(), 2u);
  EXPECT_EQ(downs[0].hwnd, child);
  EXPECT_EQ(ui::GetXParam(downs[0].lParam), 10);
  EXPECT_EQ(downs[1].hwnd, main);
  EXPECT_TRUE(manager_.IsChild(main, child));
  manager_.DestroyWindow(main);
  EXPECT_FALSE(manager_.IsWindow(child));
}

TEST_F(UiWindowManagerTest, FocusMessagesCarryTheOtherWindow) {
  ui::HWND main = Create(u"main");
  ui::HWND child = Create(u"child", RECT{0, 0, 10, 10}, main);
  log_.clear();
  manager_.SetFocus(child);
  ASSERT_EQ(log_.size(), 2u);
  EXPECT_EQ(log_[0].message, WM_KILLFOCUS);
  EXPECT_EQ(log_[0].hwnd, main);
  EXPECT_EQ(log_[0].wParam, reinterpret_cast<WPARAM>(child));
  EXPECT_EQ(log_[1].message, WM_SETFOCUS);
  EXPECT_EQ(log_[1].wParam, reinterpret_cast<WPARAM>(main));
}

// The desktop's text input (a phone's own on-screen keyboard) is wanted only while a text box
// has the focus and the platform's soft keyboard is not shown.
TEST_F(UiWindowManagerTest, DesktopTextInputFollowsTheTextBoxFocusAndTheSoftKeyboard) {
  ui::HWND main = Create(u"main");
  ui::HWND box = Create(u"box", RECT{0, 0, 10, 10}, main);
  ui::HWND keyboard = Create(u"keyboard", RECT{0, 240, 240, 320});
  manager_.SetKeyboardWindow(keyboard);
  ui::ShowWindow(keyboard, ui::SW_HIDE);
  manager_.SetTextFocus(box, true);
  EXPECT_FALSE(manager_.DesktopTextInputWanted()) << "the box told, but the focus is elsewhere";
  manager_.SetFocus(box);
  EXPECT_TRUE(manager_.DesktopTextInputWanted());
  ui::ShowWindow(keyboard, ui::SW_SHOW);
  EXPECT_FALSE(manager_.DesktopTextInputWanted()) << "the platform's keyboard types instead";
  ui::ShowWindow(keyboard, ui::SW_HIDE);
  manager_.SetTextFocus(main, false);
  EXPECT_TRUE(manager_.DesktopTextInputWanted()) << "another window's loss changes nothing";
  ui::DestroyWindow(box);
  EXPECT_FALSE(manager_.DesktopTextInputWanted());
}

TEST_F(UiWindowManagerTest, KeysGoToTheFocusAndCanBeFlushed) {
  ui::HWND main = Create(u"main");
  Settle();
  manager_.OnKey(VK_DOWN);
  manager_.OnChar(u'x');
  manager_.PostMessage(main, WM_USER, 0, 0);
  EXPECT_EQ(manager_.FlushKeyMessages(main), 2u);
  manager_.PumpUntilIdle();
  EXPECT_TRUE(Take(WM_KEYDOWN).empty());
  EXPECT_EQ(Take(WM_USER).size(), 1u);
}

TEST_F(UiWindowManagerTest, RegisteredMessagesAreStableAndCaseBlind) {
  const UINT a = ui::RegisterWindowMessage(u"UiTestMessage");
  EXPECT_GE(a, 0xC000u);
  EXPECT_EQ(ui::RegisterWindowMessage(u"UiTestMessage"), a);
  EXPECT_EQ(ui::RegisterWindowMessage(u"uitestmessage"), a);
  EXPECT_NE(ui::RegisterWindowMessage(u"UiTestMessage2"), a);
  EXPECT_EQ(ui::FindRegisteredMessage(u"UiTestMessage"), a);
  EXPECT_FALSE(ui::FindRegisteredMessage(u"NeverRegistered"));
  EXPECT_EQ(ui::RegisterWindowMessage(u""), 0u);
  EXPECT_EQ(ui::RegisterWindowMessage(std::u16string(300, u'x')), 0u);
}

TEST_F(UiWindowManagerTest, PostFromAnotherThreadWakesTheLoop) {
  ui::HWND main = Create(u"main");
  std::thread poster([&] { ui::PostMessage(main, WM_USER + 7, 42, 0); });
  ui::MSG msg;
  do {
    ASSERT_TRUE(manager_.GetMessage(msg));
    manager_.DispatchMessage(msg);
  } while (msg.message != WM_USER + 7);
  poster.join();
  EXPECT_EQ(msg.wParam, 42u);
}

TEST_F(UiWindowManagerTest, RotationResizesWindowsThatFillTheScreen) {
  Create(u"full", RECT{0, 0, 240, 320});
  ui::HWND work = Create(u"work");
  log_.clear();
  manager_.Rotate();
  EXPECT_EQ(manager_.ScreenSize(), (SIZE{320, 240}));
  EXPECT_EQ(manager_.GetWindowRect(work), (RECT{0, 26, 320, 240}));
  auto sizes = Take(WM_SIZE);
  ASSERT_EQ(sizes.size(), 2u);
  EXPECT_EQ(ui::LowWord(static_cast<uintptr_t>(sizes[0].lParam)), 320u);
  EXPECT_EQ(ui::HighWord(static_cast<uintptr_t>(sizes[0].lParam)), 240u);
}

TEST_F(UiWindowManagerTest, TaskBarFollowsFullScreenStateAndIsComposedOnTop) {
  ui::HWND main = Create(u"main", RECT{0, 0, 240, 320});
  manager_.PumpUntilIdle();
  platform::Surface& surface = manager_.GetDC(main);
  surface.FillRect(surface.Bounds(), RGB(0, 200, 0));
  EXPECT_EQ(manager_.Screen().GetPixel(120, 300), RGB(0, 200, 0));
  EXPECT_NE(manager_.Screen().GetPixel(120, 2), RGB(0, 200, 0));  // task bar on top
  manager_.SHFullScreen(main, ui::SHFS_HIDETASKBAR | ui::SHFS_HIDESIPBUTTON);
  EXPECT_FALSE(manager_.TaskBarVisible());
  EXPECT_EQ(manager_.Screen().GetPixel(120, 2), RGB(0, 200, 0));
}

TEST_F(UiWindowManagerTest, MessageBoxIsAnsweredByATapOnItsButton) {
  Create(u"main");
  int step = 0;
  FeedFrom answer([&](ui::WindowManager& manager) {
    ui::HWND box = manager.ModalWindow();
    if (!box || step > 1) return false;
    // Tap "No", the right-hand button: buttons are 70 wide, 8 apart, centred, 8 above the bottom.
    const RECT r = manager.GetWindowRect(box);
    const int x = r.left + RectWidth(r) / 2 + 4 + 35;
    manager.OnPointer(step++ == 0 ? Pointer::kDown : Pointer::kUp, x, r.bottom - 8 - 15);
    return true;
  });
  manager_.SetInputSource(&answer);
  EXPECT_EQ(manager_.MessageBox(nullptr, u"Remove the contact?", u"Quillbook", MB_YESNO), IDNO);
  EXPECT_EQ(manager_.ModalWindow(), nullptr);
  manager_.SetInputSource(nullptr);
}

TEST_F(UiWindowManagerTest, MessageBoxAnswersReturnWithTheFirstButton) {
  Create(u"main");
  bool sent = false;
  FeedFrom enter([&](ui::WindowManager& manager) {
    if (std::exchange(sent, true)) return false;
    manager.OnKey(VK_RETURN);
    return true;
  });
  manager_.SetInputSource(&enter);
  EXPECT_EQ(manager_.MessageBox(nullptr, u"Sent.", u"SMS", MB_OK), IDOK);
  manager_.SetInputSource(nullptr);
}

TEST_F(UiWindowManagerTest, QuitDuringAMessageBoxEndsBothLoops) {
  Create(u"main");
  FeedFrom quit([](ui::WindowManager& manager) {
    manager.PostQuitMessage(3);
    manager.SetInputSource(nullptr);
    return true;
  });
  manager_.SetInputSource(&quit);
  EXPECT_EQ(manager_.MessageBox(nullptr, u"?", u"", MB_YESNO), IDNO);
  ui::MSG msg;
  EXPECT_FALSE(manager_.GetMessage(msg));
  EXPECT_EQ(msg.wParam, 3u);
}

TEST_F(UiWindowManagerTest, DestroyedHandlesStayInvalid) {
  ui::HWND hwnd = Create(u"main");
  manager_.SetTimer(hwnd, 1, 10);
  manager_.DestroyWindow(hwnd);
  EXPECT_FALSE(manager_.IsWindow(hwnd));
  EXPECT_EQ(Take(WM_DESTROY).size(), 1u);
  manager_.PostMessage(hwnd, WM_USER, 0, 0);
  platform::Clock::Advance(50);
  log_.clear();
  manager_.PumpUntilIdle();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(manager_.GetForegroundWindow(), nullptr);
}

}  // namespace
