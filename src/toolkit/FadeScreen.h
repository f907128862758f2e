// FadeScreen: darkens (or tints) an area of the window toward a colour in ten blends, each on
// top of the previous one, shown one after the other without pause. Used before an outside
// editor takes over the screen.
#pragma once

#include <functional>

#include "platform/Surface.h"
#include "platform/ui/Window.h"

// Blends `area` of `dc` toward `color`; `present` (if set) runs after each of the ten blends
// has been copied back into `dc`.
void FadeScreen(const RECT& area, platform::Surface& dc, COLORREF color,
                const std::function<void()>& present = {});

// The same over the window's own surface, presenting every step (area null: the client
// rectangle). Does nothing without a live window.
void FadeWindowArea(platform::ui::HWND hwnd, const RECT* area, COLORREF color);
