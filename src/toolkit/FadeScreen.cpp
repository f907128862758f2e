#include "toolkit/FadeScreen.h"

#include "platform/ui/WindowApi.h"
#include "theme/Drawing.h"

void FadeScreen(const RECT& area, platform::Surface& dc, COLORREF color,
                const std::function<void()>& present) {
  const RECT faded = IntersectRect(area, dc.Bounds());
  if (IsRectEmpty(faded)) return;
  const int width = RectWidth(faded);
  const int height = RectHeight(faded);
  platform::Surface work(width, height);
  work.BitBlt(0, 0, width, height, dc, faded.left, faded.top);
  theme::FadeWindow(work, color, [&] {
    dc.BitBlt(faded.left, faded.top, width, height, work, 0, 0);
    if (present) present();
  });
}

void FadeWindowArea(platform::ui::HWND hwnd, const RECT* area, COLORREF color) {
  platform::ui::WindowManager* manager = platform::ui::WindowManager::Current();
  if (!manager || !manager->IsWindow(hwnd)) return;
  RECT client{};
  platform::ui::GetClientRect(hwnd, client);
  const RECT faded = area ? IntersectRect(*area, client) : client;
  FadeScreen(faded, manager->GetDC(hwnd), color, [manager] { manager->PresentFrame(); });
}
