// AnimationHost: what the animation runners need from the program's shell, which sits above
// the toolkit. The shell registers one host at start-up; without one the runners still step
// their animations to the end state but draw nothing, and RunSlideTransition just repaints.
//
// UI thread only.
#pragma once

#include "platform/Surface.h"
#include "platform/ui/Window.h"

class AnimationHost {
 public:
  virtual ~AnimationHost() = default;
  // Paints every visible top-level panel into `dc` (client coordinates), limited to `area`.
  virtual void PaintPanels(platform::Surface& dc, const RECT& area) = 0;
  // The picture of the window's last frame (client-sized), which later paints update in part
  // and copy whole to the window. A runner that repaints parts of the screen draws into it,
  // so that the next paint does not bring back an older frame.
  virtual platform::Surface& BackBuffer(platform::ui::HWND hwnd) = 0;
  // OnTransitionStart / OnTransitionEnd on every top-level container panel.
  virtual void TransitionStart() = 0;
  virtual void TransitionEnd() = 0;
  // The screen slide over `area` (null: the default area of the screens).
  virtual void SlideTransition(platform::ui::HWND hwnd, int direction, const RECT* area) = 0;
};

// Registers `host` (not owned; null removes it) and returns the previous one.
AnimationHost* SetAnimationHost(AnimationHost* host);
AnimationHost* CurrentAnimationHost();

// The screen slide of the registered host; a plain repaint of the window without one.
// Direction 0 brings the new screen in from the right, 1 from the left.
void RunSlideTransition(platform::ui::HWND hwnd, int direction, const RECT* area);
