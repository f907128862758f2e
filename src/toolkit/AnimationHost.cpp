#include "toolkit/AnimationHost.h"

#include "platform/ui/WindowApi.h"

namespace {

AnimationHost* g_host = nullptr;

}  // namespace

AnimationHost* SetAnimationHost(AnimationHost* host) {
  AnimationHost* previous = g_host;
  g_host = host;
  return previous;
}

AnimationHost* CurrentAnimationHost() {
  return g_host;
}

void RunSlideTransition(platform::ui::HWND hwnd, int direction, const RECT* area) {
  if (g_host) {
    g_host->SlideTransition(hwnd, direction, area);
    return;
  }
  platform::ui::InvalidateRect(hwnd, area);
}
