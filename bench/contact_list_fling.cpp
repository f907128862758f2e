// A fling over the contact list as the list screen shows it: 10,000 contacts with their
// letter separators, drawn with the shipped Touch theme at 480x800, blit scrolling on. Every
// frame is timed on its own, so the report gives the median and the 99th percentile of the
// paint cost per frame (counters p50_us and p99_us) besides Google Benchmark's own timing.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "FlingPath.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "platform/Paths.h"
#include "platform/Surface.h"
#include "platform/Text.h"
#include "theme/SettingManager.h"
#include "theme/ThemeLoader.h"
#include "toolkit/SeparatorItem.h"

namespace {

constexpr int kContacts = 10000;
constexpr int kFrames = 3000;

std::u16string Number(int n) {
  return platform::FromUtf8(std::to_string(n));
}

// The shipped themes are packed next to the benchmarks by the build.
void LoadShippedTheme() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (!ec) platform::SetProgramDir((exe.parent_path() / "themes").string());
  theme::LoadTheme(u"Touch.qbt", u"portrait_");
}

std::unique_ptr<ContactSmartListControl> MakeList(int width, int height) {
  auto list = std::make_unique<ContactSmartListControl>(nullptr, RECT{16, 0, width, height});
  const auto& settings = theme::Settings();
  std::vector<std::unique_ptr<IListItem>> rows;
  for (char16_t letter = u'A'; letter <= u'Z'; ++letter) {
    rows.push_back(std::make_unique<SeparatorItem>(letter, settings.separator_item_height));
  }
  for (int i = 0; i < kContacts; ++i) {
    auto row = std::make_unique<ContactListItem>(settings.contact_height);
    const char16_t initial = static_cast<char16_t>(u'A' + i * 26 / kContacts);
    row->display_name = std::u16string(1, initial) + u"shworth-Lindqvist, Contact " + Number(i);
    row->second_line = u"+44 20 7946 " + Number(1000 + i % 9000) + u" (Northwind Traders)";
    row->text = row->display_name;
    row->sms_count = i % 7;
    row->unread_sms_count = i % 3 == 0 ? 1 : 0;
    row->favourite = i % 11 == 0;
    rows.push_back(std::move(row));
  }
  for (auto& row : rows) list->AddItem(std::move(row));
  list->Resort();
  return list;
}

void BM_ContactListFlingFrame(benchmark::State& state) {
  LoadShippedTheme();
  const int width = 480;
  const int height = 800 - theme::Settings().icon_panel_height;
  platform::Surface screen(480, 800);
  auto list = MakeList(width, height);
  list->Paint(screen, 0, 0, width, height);
  std::vector<double> frame_us;
  frame_us.reserve(kFrames);
  for (auto _ : state) {
    frame_us.clear();
    FlingPath fling(theme::Settings().scroll_friction);
    for (int frame = 0; frame < kFrames; ++frame) {
      const int32_t next = fling.Next(*list);
      const auto start = std::chrono::steady_clock::now();
      list->SetScrollOffset(next);
      list->Paint(screen, 0, 0, width, height);
      benchmark::DoNotOptimize(screen.Pixels());
      frame_us.push_back(
          std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
              .count());
    }
  }
  std::sort(frame_us.begin(), frame_us.end());
  state.counters["p50_us"] = frame_us[frame_us.size() / 2];
  state.counters["p99_us"] = frame_us[frame_us.size() * 99 / 100];
  state.counters["max_us"] = frame_us.back();
}

BENCHMARK(BM_ContactListFlingFrame)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

}  // namespace

BENCHMARK_MAIN();
