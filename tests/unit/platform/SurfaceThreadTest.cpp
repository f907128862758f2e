// Fonts are made and measured on worker threads while the UI thread draws text: the shared
// text engine must serialise every use of pango (checked under ThreadSanitizer).
#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/Messages.h"
#include "platform/Surface.h"

using namespace platform;

TEST(SurfaceThreads, FontsMadeOnWorkersWhileTheUiThreadDraws) {
  std::atomic<bool> failed{false};
  Font shared(FontDescription{13, 400, false, u"DejaVu Sans"});
  std::vector<std::thread> workers;
  for (int t = 0; t < 3; ++t) {
    workers.emplace_back([t, &failed, shared] {
      Surface own(120, 40);
      for (int i = 0; i < 40; ++i) {
        Font font(
            FontDescription{10 + (i + t) % 12, i % 2 ? 700 : 400, i % 3 == 0, u"DejaVu Sans"});
        if (font.LineHeight() < 10) failed = true;
        RECT r{0, 0, 120, 40};
        std::u16string text = u"worker " + std::u16string(1, char16_t(u'a' + i % 26));
        if (own.DrawText(text, r, DT_SINGLELINE | DT_CALCRECT, shared, 0) <= 0) failed = true;
        own.DrawText(text, r, DT_SINGLELINE | DT_CENTER, font, RGB(0, 0, 0));
      }
    });
  }
  Surface ui(200, 100);
  for (int i = 0; i < 60; ++i) {
    RECT r{0, 0, 200, 100};
    std::u16string text = u"row " + std::u16string(1, char16_t(u'A' + i % 26)) + u" of the list";
    EXPECT_GT(ui.DrawText(text, r, DT_WORDBREAK, shared, RGB(0, 0, 0)), 0);
    EXPECT_GT(ui.MeasureText(text, shared).cx, 0);
  }
  for (std::thread& w : workers) w.join();
  EXPECT_FALSE(failed);
}
