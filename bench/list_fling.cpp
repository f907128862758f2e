// A fling over a 10,000-row contact list: the paint cost of one fling frame with blit
// scrolling (the drawn pixels move and only the uncovered strip is drawn) and, beside it, the
// cost of repainting the whole list each frame, at 240x320 and 480x800. Each iteration is one
// frame: the offset advances by the next fling step (starting at 40 px, divided by the
// friction, restarting when it drops below 4) and the list paints. Medians are reported.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "FlingPath.h"
#include "contacts/ContactListItem.h"
#include "platform/Surface.h"
#include "platform/Text.h"
#include "theme/SettingManager.h"
#include "toolkit/SmartListControl.h"

namespace {

constexpr int kRows = 10000;

std::u16string Number(int n) {
  return platform::FromUtf8(std::to_string(n));
}

std::unique_ptr<SmartListControl> MakeList(int width, int height) {
  auto list = std::make_unique<SmartListControl>(nullptr, RECT{0, 0, width, height});
  const int32_t row_height = theme::Settings().contact_height;
  for (int i = 0; i < kRows; ++i) {
    auto row = std::make_unique<ContactListItem>(row_height);
    row->display_name = u"Contact " + Number(i) + u" Ashworth-Lindqvist";
    row->second_line = u"+44 20 7946 " + Number(1000 + i % 9000) + u" (Northwind Traders)";
    row->text = row->display_name;
    row->sms_count = i % 7;
    row->unread_sms_count = i % 3 == 0 ? 1 : 0;
    list->AddItem(std::move(row));
  }
  return list;
}

void RunFling(benchmark::State& state, bool full_repaint) {
  const int width = static_cast<int>(state.range(0));
  const int height = static_cast<int>(state.range(1));
  platform::Surface screen(width, height);
  auto list = MakeList(width, height);
  list->Paint(screen, 0, 0, width, height);  // the first frame draws everything

  FlingPath fling(theme::Settings().scroll_friction);
  for (auto _ : state) {
    list->SetScrollOffset(fling.Next(*list));
    if (full_repaint) list->ForceFullPaint();
    list->Paint(screen, 0, 0, width, height);
    benchmark::DoNotOptimize(screen.Pixels());
  }
}

void BM_FlingFrameBlit(benchmark::State& state) {
  RunFling(state, false);
}
void BM_FlingFrameFullRepaint(benchmark::State& state) {
  RunFling(state, true);
}

BENCHMARK(BM_FlingFrameBlit)
    ->Args({240, 320})
    ->Args({480, 800})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FlingFrameFullRepaint)
    ->Args({240, 320})
    ->Args({480, 800})
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
