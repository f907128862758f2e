// Navigation between the screens and the transitions that go with it. Each transition runs
// after the caller has switched the visible flags, blocks until it ends, and leaves the
// window invalidated.
#pragma once

#include "platform/Types.h"
#include "platform/ui/Window.h"

namespace shell {

inline constexpr int32_t kSlideDurationMs = 250;
inline constexpr int32_t kFlipDurationMs = 500;
inline constexpr int32_t kGenieOpenDurationMs = 300;
inline constexpr int32_t kGenieCloseDurationMs = 400;

// Back to the contact list screen (see the .cpp for the exact rules).
void ShowMainPanel(platform::ui::HWND hwnd, bool animate);
// The slide over `area`, or (null) the client area above the icon bar's room. Direction 0
// brings the new screen in from the right, 1 from the left.
void SlideTransition(platform::ui::HWND hwnd, int direction, const RECT* area,
                     int32_t duration_ms = kSlideDurationMs);
// The page flip over the whole client area.
void FlipTransition(platform::ui::HWND hwnd, int direction);
// The new screen pours out of `target` over the client area above the icon bar's room.
void GenieOpenTransition(platform::ui::HWND hwnd, const RECT& target);
// The old screen pours back into `target` (the opening genie played backward, a bit slower).
void GenieCloseTransition(platform::ui::HWND hwnd, const RECT& target);
inline void GenieOpenTransition(platform::ui::HWND hwnd, int left, int top, int right, int bottom) {
  GenieOpenTransition(hwnd, RECT{left, top, right, bottom});
}
inline void GenieCloseTransition(platform::ui::HWND hwnd, int left, int top, int right,
                                 int bottom) {
  GenieCloseTransition(hwnd, RECT{left, top, right, bottom});
}

}  // namespace shell
