// Painting hot paths: a list row's text drawn again (cached layout) and for the first time,
// full-screen blits and stretches as transitions use them, a constant-alpha fade step, and a
// one-row scroll of a list area.
#include <benchmark/benchmark.h>

#include <string>

#include "platform/Messages.h"
#include "platform/Surface.h"
#include "platform/Text.h"

using namespace platform;

namespace {

constexpr int kScreenWidth = 240;
constexpr int kScreenHeight = 320;

void BM_DrawCachedRowText(benchmark::State& state) {
  Surface screen(kScreenWidth, kScreenHeight);
  Font font(FontDescription{13, 400, false, u"DejaVu Sans"});
  for (auto _ : state) {
    RECT r{4, 4, kScreenWidth - 4, 30};
    screen.DrawText(u"Zoë Ashworth-Lindqvist", r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS,
                    font, RGB(0, 0, 0));
  }
}
BENCHMARK(BM_DrawCachedRowText);

void BM_DrawNewRowText(benchmark::State& state) {
  Surface screen(kScreenWidth, kScreenHeight);
  Font font(FontDescription{13, 400, false, u"DejaVu Sans"});
  int64_t n = 0;
  for (auto _ : state) {
    RECT r{4, 4, kScreenWidth - 4, 30};
    std::u16string text = u"Contact number " + ToU16(n++);
    screen.DrawText(text, r, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS, font, RGB(0, 0, 0));
  }
}
BENCHMARK(BM_DrawNewRowText);

void BM_BitBltScreen(benchmark::State& state) {
  Surface screen(kScreenWidth, kScreenHeight), back(kScreenWidth, kScreenHeight);
  for (auto _ : state) screen.BitBlt(0, 0, kScreenWidth, kScreenHeight, back, 0, 0, SRCCOPY);
}
BENCHMARK(BM_BitBltScreen);

void BM_StretchBltScreen(benchmark::State& state) {
  Surface screen(kScreenWidth, kScreenHeight), back(kScreenWidth, kScreenHeight);
  for (auto _ : state) {
    screen.StretchBlt(RECT{20, 10, kScreenWidth - 20, kScreenHeight - 10}, back, back.Bounds());
  }
}
BENCHMARK(BM_StretchBltScreen);

void BM_FadeStep(benchmark::State& state) {
  Surface screen(kScreenWidth, kScreenHeight), one(1, 1);
  for (auto _ : state) screen.AlphaBlend(screen.Bounds(), one, one.Bounds(), 26);
}
BENCHMARK(BM_FadeStep);

void BM_ScrollListArea(benchmark::State& state) {
  Surface screen(kScreenWidth, kScreenHeight);
  for (auto _ : state) screen.ScrollRect(RECT{0, 40, kScreenWidth, kScreenHeight}, 0, -3);
}
BENCHMARK(BM_ScrollListArea);

}  // namespace

BENCHMARK_MAIN();
