// Three small drawing operations shared by the screens: a solid fill, dimming a rectangle, and
// fading a whole window towards the theme's fade colour.
#pragma once

#include <functional>

#include "platform/Surface.h"
#include "platform/Types.h"

namespace theme {

// Fills `rect` with `color` (nothing for kInvalidColor).
void FillSolidRect(platform::Surface& dc, const RECT& rect, COLORREF color);

// Darkens `rect` once: black blended over it at constant alpha 100.
void DimRect(platform::Surface& dc, const RECT& rect);

// Fades `window` towards `fade_color` in 10 steps of constant alpha 0, 26, 52, ..., 234, each
// blended over the result of the previous one, calling `present` after each step so the caller
// can show the surface. No pause between steps.
void FadeWindow(platform::Surface& window, COLORREF fade_color,
                const std::function<void()>& present);

}  // namespace theme
