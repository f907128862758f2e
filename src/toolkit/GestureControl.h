// GestureControl: an invisible full-screen control placed first in the main window's control
// list, so that it sees every pen event before any screen. It never consumes a pen-down and
// recognises two gestures on the pen-up:
//
//   swipe        |dy| < 30, the pen-up above the icon bar, |dx| > half the control's width:
//                runs the swipe action and consumes the pen-up (no screen sees it)
//   corner tap   |dx| < 20, |dy| < 20, under 200 ms, within 25 px of the screen's top-right
//                corner: runs the corner action; the pen-up still reaches the screens
//
// What the gestures do belongs to the shell (switching the contact list between all contacts
// and favourites, minimising), which sets the two actions. UI thread only.
#pragma once

#include <cstdint>
#include <functional>

#include "platform/ui/Window.h"
#include "toolkit/LightControl.h"

class GestureControl : public LightControl {
 public:
  static constexpr int kSwipeMaxDy = 30;
  static constexpr int kTapMaxMove = 20;
  static constexpr uint32_t kTapMaxMs = 200;
  static constexpr int kCornerSize = 25;

  GestureControl(platform::ui::HWND host_window, const RECT& screen)
      : LightControl(screen), host_window_(host_window) {}

  RECT OnPenDown(int x, int y) override;
  RECT OnPenUp(int x, int y) override;

  void SetSwipeAction(std::function<void()> action) { swipe_action_ = std::move(action); }
  void SetCornerTapAction(std::function<void()> action) { corner_action_ = std::move(action); }

 private:
  platform::ui::HWND host_window_;
  int down_x_ = 0;
  int down_y_ = 0;
  uint32_t down_time_ = 0;
  std::function<void()> swipe_action_;
  std::function<void()> corner_action_;
};
