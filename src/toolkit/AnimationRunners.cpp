#include "toolkit/AnimationRunners.h"

#include <algorithm>
#include <functional>

#include "platform/Clock.h"
#include "platform/ui/WindowApi.h"
#include "toolkit/AnimationHost.h"
#include "toolkit/LightControl.h"

namespace ui = platform::ui;

namespace {

// The window manager when `window` is alive and a host can paint, else null.
ui::WindowManager* DrawingManager(ui::HWND window) {
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager || !manager->IsWindow(window) || !CurrentAnimationHost()) return nullptr;
  return manager;
}

// Whether the runner should stop waiting for `animation` at `elapsed` ms.
bool Overran(const Animation& animation, uint32_t elapsed) {
  return elapsed > static_cast<uint32_t>(std::max(animation.duration, 0)) + kMaxAnimationOverrunMs;
}

// The frame loop both runners share: steps the animation by the elapsed time and hands each
// changed rectangle (clipped to `bounds`) to `show`, until the animation is done, overruns,
// or reports nothing left to show (its end state still applies then).
void StepUntilDone(Animation& animation, const RECT& bounds,
                   const std::function<void(const RECT&)>& show) {
  const uint32_t start = platform::Clock::TickCount();
  bool done = false;
  while (!done) {
    const uint32_t elapsed = platform::Clock::TickCount() - start;
    const RECT changed = IntersectRect(animation.Step(done, elapsed), bounds);
    if (!done && Overran(animation, elapsed)) {
      FinishAnimationAtOnce(animation);
      done = true;
    }
    if (changed.bottom < 1) {
      if (!done) FinishAnimationAtOnce(animation);
      break;
    }
    show(changed);
  }
}

}  // namespace

void FinishAnimationAtOnce(Animation& animation) {
  bool done = false;
  const uint32_t past_end = static_cast<uint32_t>(std::max(animation.duration, 0)) + 1;
  animation.Step(done, past_end);
}

void RunListAnimation(ui::HWND window, std::unique_ptr<Animation> animation) {
  if (!animation) return;
  ui::WindowManager* manager = DrawingManager(window);
  if (!manager) {
    FinishAnimationAtOnce(*animation);
    return;
  }
  AnimationHost& host = *CurrentAnimationHost();
  host.TransitionStart();
  RECT client{};
  ui::GetClientRect(window, client);
  // The frames are drawn into the back buffer itself: each step repaints only the area that
  // changed, and when the run ends the back buffer holds the frame on screen.
  platform::Surface& frame = host.BackBuffer(window);
  host.PaintPanels(frame, client);
  manager->GetDC(window).BitBlt(0, 0, RectWidth(client), RectHeight(client), frame, 0, 0);
  manager->PresentFrame();

  StepUntilDone(*animation, client, [&](const RECT& changed) {
    host.PaintPanels(frame, changed);
    manager->GetDC(window).BitBlt(changed.left, changed.top, RectWidth(changed),
                                  RectHeight(changed), frame, changed.left, changed.top);
    manager->PresentFrame();
  });
  host.TransitionEnd();
}

void RunControlAnimation(ui::HWND window, LightControl& control,
                         std::unique_ptr<Animation> animation, const RECT* area) {
  if (!animation) return;
  ui::WindowManager* manager = DrawingManager(window);
  RECT client{};
  ui::GetClientRect(window, client);
  const RECT bounds = area ? IntersectRect(*area, client) : client;
  if (!manager || IsRectEmpty(bounds)) {
    FinishAnimationAtOnce(*animation);
    return;
  }
  AnimationHost& host = *CurrentAnimationHost();
  host.TransitionStart();
  {
    const int width = RectWidth(bounds);
    const int height = RectHeight(bounds);
    // The pictures are client-sized so that panels paint at their own coordinates; only
    // the area is ever composed and shown.
    platform::Surface background(RectWidth(client), RectHeight(client));
    platform::Surface composition(RectWidth(client), RectHeight(client));
    const bool was_visible = control.visible;
    control.visible = false;
    host.PaintPanels(background, bounds);
    control.visible = was_visible;

    const RECT home = control.rect;
    const int control_width = std::max(RectWidth(home), 1);
    const int control_height = std::max(RectHeight(home), 1);
    platform::Surface picture(control_width, control_height);
    control.rect = RECT{0, 0, RectWidth(home), RectHeight(home)};
    control.Paint(picture, 0, 0, control_width, control_height);
    control.rect = home;
    composition.BitBlt(bounds.left, bounds.top, width, height, background, bounds.left, bounds.top);

    StepUntilDone(*animation, bounds, [&](const RECT& changed) {
      composition.BitBlt(changed.left, changed.top, RectWidth(changed), RectHeight(changed),
                         background, changed.left, changed.top);
      composition.PushClip(bounds);
      composition.BitBlt(control.rect.left, control.rect.top, RectWidth(control.rect),
                         RectHeight(control.rect), picture, 0, 0);
      composition.PopClip();
      manager->GetDC(window).BitBlt(changed.left, changed.top, RectWidth(changed),
                                    RectHeight(changed), composition, changed.left, changed.top);
      manager->PresentFrame();
    });
  }
  host.TransitionEnd();
}
