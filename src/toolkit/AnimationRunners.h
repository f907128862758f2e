// The blocking runners of control and list animations. Each steps its animation with the
// milliseconds elapsed since the start (GetTickCount), shows every frame at once and returns
// when the animation reports done; no messages are handled meanwhile. The animation is
// destroyed at the end. Panels hear OnTransitionStart before and OnTransitionEnd after.
//
// A step that reports no rectangle on screen ends the run; the animation is then stepped once
// past its end so that its end state still applies.
//
// Without a live window (or without a registered AnimationHost) the animation is stepped once
// past its end, so the end state is applied and nothing is drawn.
//
// UI thread only.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/ui/Window.h"
#include "toolkit/Animation.h"

class LightControl;

// A runner gives up after this long past the animation's duration (a broken animation must
// not hang the program); the end state is applied then.
inline constexpr uint32_t kMaxAnimationOverrunMs = 10000;

// Repaints, for each step, every panel over the rectangle the step reports, into the host's
// back buffer, and shows that rectangle.
void RunListAnimation(platform::ui::HWND window, std::unique_ptr<Animation> animation);
// Steps the animation once past its end: its end state, drawing nothing.
void FinishAnimationAtOnce(Animation& animation);

// Moves `control` over a frozen picture of everything else within `area` (null: the client
// rectangle). Each frame copies the uncovered background and the control's picture at its
// current rect. The caller repaints afterwards if the end state needs it.
void RunControlAnimation(platform::ui::HWND window, LightControl& control,
                         std::unique_ptr<Animation> animation, const RECT* area);
