// Start-up, activation, full screen and relayout of the shell.
#include "ShellFixture.h"
#include "shell/FullScreen.h"
#include "shell/Preferences.h"
#include "shell/Relayout.h"
#include "theme/SettingManager.h"

namespace {

using platform::ui::HWND;

class StartupTest : public ShellFixture {};

TEST_F(StartupTest, FullScreenPreferenceCoversTheScreenOrLeavesTheTaskBar) {
  HWND hwnd = Start();
  EXPECT_TRUE(app().layout_ready);
  EXPECT_EQ(manager_->GetWindowRect(hwnd), (RECT{0, 0, 240, 320}));
  EXPECT_FALSE(manager_->TaskBarVisible());
  // The list screen ends above the icon bar's room.
  const int icon_bar = theme::Settings().icon_panel_height;
  EXPECT_EQ(app().panels[2]->rect, (RECT{0, 0, 240, 320 - icon_bar}));
  // A later request follows the preference turned off: the window sits below the task bar.
  shell::WriteFullscreen(false);
  shell::RequestFullScreen();
  manager_->PumpUntilIdle();
  EXPECT_EQ(manager_->GetWindowRect(hwnd), (RECT{0, 26, 240, 320}));
  EXPECT_EQ(app().last_layout_rect, (RECT{0, 0, 240, 294}));
  EXPECT_TRUE(manager_->TaskBarVisible());
}

TEST_F(StartupTest, SizeChangeBeforeTheFirstFullScreenRequestChangesNothing) {
  hwnd_ = shell::CreateMainWindow();  // activated; the full-screen request is still queued
  ASSERT_TRUE(app().initialised);
  ASSERT_FALSE(app().layout_ready);
  const RECT before = app().panels[2]->rect;
  manager_->MoveWindow(hwnd_, RECT{0, 0, 200, 100}, true);
  EXPECT_EQ(app().orientation_prefix, u"");
  EXPECT_EQ(app().theme_loads, 0);
  EXPECT_EQ(app().panels[2]->rect, before);
  manager_->PumpUntilIdle();
  EXPECT_EQ(app().theme_loads, 1);
}

TEST_F(StartupTest, RelayoutWithTheSameRectangleDoesNothingUnlessForced) {
  Start();
  ASSERT_NE(app().back_buffer, nullptr);  // painted once
  shell::Relayout(RECT{0, 0, 240, 320}, false);
  EXPECT_EQ(app().theme_loads, 1);
  EXPECT_NE(app().back_buffer, nullptr);
  shell::Relayout(RECT{0, 0, 240, 320}, true);
  EXPECT_EQ(app().theme_loads, 2);
  EXPECT_EQ(app().back_buffer, nullptr);
  // The reload reaches the screen even though the size stayed.
  EXPECT_FALSE(IsRectEmpty(hwnd_->Dirty()));
}

TEST_F(StartupTest, ChangeThemeStoresTheNameAndReloads) {
  Start();
  shell::ChangeTheme(u"Dark.qbt");
  EXPECT_EQ(shell::ReadThemeName(), u"Dark.qbt");
  EXPECT_EQ(app().theme_name, u"Dark.qbt");
  EXPECT_EQ(app().theme_loads, 2);
  EXPECT_EQ(app().last_layout_rect, (RECT{0, 0, 240, 320}));
}

TEST_F(StartupTest, OrientationPrefixRules) {
  struct Case {
    RECT rect;
    int window_height;
    int screen_width;
    const char16_t* prefix;
  };
  const Case cases[] = {
      {{0, 0, 320, 240}, 240, 320, u"landscape_"},
      {{0, 0, 240, 320}, 320, 240, u"portrait_"},
      {{0, 0, 240, 240}, 240, 240, u"portrait_"},
      {{0, 0, 320, 214}, 214, 320, u"landscape_"},  // landscape below the task bar
      {{0, 0, 240, 294}, 294, 240, u"portrait_"},   // portrait below the task bar
  };
  for (const Case& c : cases) {
    EXPECT_EQ(shell::OrientationPrefix(c.rect, c.window_height, c.screen_width), c.prefix)
        << RectWidth(c.rect) << "x" << RectHeight(c.rect);
  }
}

TEST_F(StartupTest, LaterActivationsNeverRunTheInitialisationAgain) {
  Start();
  LightControl* list = app().panels[2];
  for (int i = 0; i < 3; ++i) {
    manager_->OnActivate(false);
    manager_->OnActivate(true);
    manager_->PumpUntilIdle();
  }
  EXPECT_EQ(app().panels.size(), 4u);
  EXPECT_EQ(app().panels[2], list);
  EXPECT_EQ(app().language_loads, 1);
}

TEST_F(StartupTest, SecondStartBringsTheRunningWindowForwardAndEnds) {
  Start();
  manager_->OnActivate(false);
  ASSERT_TRUE(manager_->TaskBarVisible());
  EXPECT_EQ(shell::RunQuillbook(), 0);
  EXPECT_TRUE(manager_->IsActive());
  EXPECT_FALSE(manager_->TaskBarVisible());  // activated again: full screen re-applied
  EXPECT_EQ(app().panels.size(), 4u);
}

}  // namespace
