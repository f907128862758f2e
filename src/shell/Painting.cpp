#include "shell/Painting.h"

#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"

namespace shell {

platform::Surface& EnsureBackBuffer(platform::ui::HWND hwnd) {
  RECT client{};
  platform::ui::GetClientRect(hwnd, client);
  auto& back_buffer = App().back_buffer;
  const int width = std::max(1, RectWidth(client));
  const int height = std::max(1, RectHeight(client));
  if (!back_buffer || back_buffer->Width() != width || back_buffer->Height() != height) {
    back_buffer = std::make_unique<platform::Surface>(width, height);
  }
  return *back_buffer;
}

void PaintPanels(platform::Surface& dc, const RECT& area) {
  auto& panels = App().panels;
  dc.PushClip(area);
  for (size_t i = panels.size(); i > 0; --i) {
    if (i > panels.size()) continue;
    LightControl* control = panels[i - 1];
    if (control->visible) control->Paint(dc, area.left, area.top, area.right, area.bottom);
  }
  dc.PopClip();
}

void PaintMainWindow(platform::ui::HWND hwnd) {
  platform::ui::PAINTSTRUCT paint;
  platform::Surface* window = platform::ui::BeginPaint(hwnd, paint);
  if (!window) return;
  platform::Surface& back_buffer = EnsureBackBuffer(hwnd);
  PaintPanels(back_buffer, paint.rcPaint);
  window->BitBlt(0, 0, back_buffer.Width(), back_buffer.Height(), back_buffer, 0, 0);
  platform::ui::EndPaint(hwnd, paint);
}

}  // namespace shell
