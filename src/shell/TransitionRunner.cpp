#include "shell/TransitionRunner.h"

#include "platform/Clock.h"
#include "platform/ui/WindowApi.h"
#include "shell/AppGlobals.h"
#include "shell/Navigation.h"
#include "shell/Painting.h"
#include "toolkit/AnimationHost.h"
#include "toolkit/ContainerPanel.h"

namespace shell {

namespace ui = platform::ui;

void SendTransitionStart() {
  auto& panels = App().panels;
  for (size_t i = 0; i < panels.size(); ++i) {
    if (auto* panel = dynamic_cast<ContainerPanel*>(panels[i])) panel->OnTransitionStart();
  }
}

void SendTransitionEnd() {
  auto& panels = App().panels;
  for (size_t i = 0; i < panels.size(); ++i) {
    if (auto* panel = dynamic_cast<ContainerPanel*>(panels[i])) panel->OnTransitionEnd();
  }
}

int RunScreenTransition(ui::HWND hwnd, TransitionAnimation& animation, const RECT* area) {
  AppGlobals& app = App();
  ui::WindowManager* manager = ui::WindowManager::Current();
  if (!manager || !manager->IsWindow(hwnd)) return 0;
  SendTransitionStart();
  RECT client{};
  ui::GetClientRect(hwnd, client);
  const RECT animated = area ? IntersectRect(*area, client) : client;
  // Without a previous frame (right after a relayout) the old image is the current one.
  if (!app.back_buffer) PaintPanels(EnsureBackBuffer(hwnd), client);
  std::unique_ptr<platform::Surface> old_image = std::move(app.back_buffer);
  platform::Surface& new_image = EnsureBackBuffer(hwnd);
  platform::Surface work(new_image.Width(), new_image.Height());
  PaintPanels(new_image, client);

  const uint32_t start = platform::Clock::TickCount();
  bool done = false;
  int frames = 0;
  while (!done) {
    const uint32_t elapsed = platform::Clock::TickCount() - start;
    animation.Step(done, elapsed, work, *old_image, new_image, animated);
    if (elapsed > kMaxTransitionMs) done = true;
    manager->GetDC(hwnd).BitBlt(animated.left, animated.top, RectWidth(animated),
                                RectHeight(animated), work, animated.left, animated.top);
    manager->PresentFrame();
    ++frames;
  }
  app.back_buffer = std::move(old_image);
  PaintPanels(*app.back_buffer, animated);
  SendTransitionEnd();
  ui::InvalidateRect(hwnd, nullptr);
  return frames;
}

namespace {

class ShellAnimationHost final : public AnimationHost {
 public:
  void PaintPanels(platform::Surface& dc, const RECT& area) override {
    shell::PaintPanels(dc, area);
  }
  platform::Surface& BackBuffer(ui::HWND hwnd) override { return EnsureBackBuffer(hwnd); }
  void TransitionStart() override { SendTransitionStart(); }
  void TransitionEnd() override { SendTransitionEnd(); }
  void SlideTransition(ui::HWND hwnd, int direction, const RECT* area) override {
    shell::SlideTransition(hwnd, direction, area);
  }
};

}  // namespace

void InstallAnimationHost() {
  static ShellAnimationHost host;
  SetAnimationHost(&host);
}

}  // namespace shell
