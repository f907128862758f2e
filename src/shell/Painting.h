// Double-buffered painting of the main window: the panels are painted into one client-sized
// back buffer, from the last element of the panel list to the first (so the first is on top),
// limited to the invalid area, and the back buffer is then copied whole to the window.
#pragma once

#include "platform/Surface.h"
#include "platform/ui/Window.h"

namespace shell {

// WM_PAINT of the main window.
void PaintMainWindow(platform::ui::HWND hwnd);
// Paints every visible panel into `dc`, clipped to `area`.
void PaintPanels(platform::Surface& dc, const RECT& area);
// The back buffer at the window's client size, created when absent or of another size.
platform::Surface& EnsureBackBuffer(platform::ui::HWND hwnd);

}  // namespace shell
