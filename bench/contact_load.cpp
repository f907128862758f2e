// Loading 10,000 contacts into the contact list: the store phase as a whole, the cache phase
// up to the first sorted list, the re-sort work of the batched merge against a full re-sort
// at every tenth row, and the memory a loaded row takes (without pictures).
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "contacts/CompareRows.h"
#include "contacts/ContactCache.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/SortKeyCache.h"
#include "platform/Paths.h"
#include "platform/Text.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimContactFields.h"
#include "platform/pim/PimItem.h"
#include "platform/ui/Display.h"
#include "platform/ui/WindowManager.h"
#include "screens/ContactContainerPanel.h"
#include "shell/AppGlobals.h"
#include "shell/Entry.h"
#include "support/TempDir.h"

namespace {

using namespace platform::pim;
namespace prop = platform::pim::prop;

constexpr int kContacts = 10000;

// Names in a scrambled order so that the store order is not the sorted order.
std::u16string NameOf(int i) {
  static const char16_t* const kFirst[] = {u"Zoë", u"adam", u"Émile", u"Björn", u"carla",
                                           u"Åsa", u"Mark", u"Nina",  u"Ölaf",  u"Tom"};
  const int scrambled = (i * 7919) % kContacts;
  return std::u16string(kFirst[scrambled % 10]) + u" " + platform::ToU16(scrambled) + u" O'Brien";
}

class SeededProfile {
 public:
  SeededProfile() {
    platform::SetDeviceDir(device_.path());
    platform::SetProgramDir(home_.path());
    std::string error;
    app_ = PimApplication::Create(&error);
    for (int i = 0; i < kContacts; ++i) {
      auto item = app_->CreateItem();
      std::u16string n = platform::ToU16(i);
      item->SetProps({PropertyValue::Text(prop::kFileAs, NameOf(i)),
                      PropertyValue::Text(prop::kCompany, u"Acme Téléphonie"),
                      PropertyValue::Text(prop::kEmail1, u"c" + n + u"@example.org"),
                      PropertyValue::Text(prop::kMobilePhone, u"+33 6 12 34 " + n),
                      PropertyValue::Text(prop::kHomePhone, u"+33 4 77 00 " + n)});
      item->Save();
    }
  }
  PimApplication& app() { return *app_; }

 private:
  testing_support::TempDir device_;
  testing_support::TempDir home_;
  std::unique_ptr<PimApplication> app_;
};

SeededProfile& Profile() {
  static SeededProfile profile;
  return profile;
}

std::unique_ptr<ContactSmartListControl> NewList() {
  auto list = std::make_unique<ContactSmartListControl>(nullptr, RECT{16, 0, 240, 280});
  list->SetStore(&Profile().app());
  return list;
}

// Store phase alone (no cache file): every contact read, listed, sorted and written.
void BM_StorePhase(benchmark::State& state) {
  Profile();
  for (auto _ : state) {
    std::remove(ContactCachePath().c_str());
    auto list = NewList();
    list->StartLoading();
    list->NotifyLayoutReady();
    list->WaitForLoading();
    state.PauseTiming();
    if (list->GetItemCount() < kContacts) state.SkipWithError("contacts missing");
    list.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StorePhase)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// From StartLoading to the first complete, sorted list from the cache file.
void BM_CachePhaseToFirstSortedList(benchmark::State& state) {
  {
    auto list = NewList();  // writes the cache
    list->StartLoading();
    list->NotifyLayoutReady();
    list->WaitForLoading();
  }
  for (auto _ : state) {
    auto list = NewList();
    std::promise<void> listed;
    bool first = true;
    list->SetSmsRecount([&](ContactSmartListControl&) {
      if (first) listed.set_value();
      first = false;
    });
    list->StartLoading();
    listed.get_future().wait();
    state.PauseTiming();
    if (list->GetItemCount() < kContacts) state.SkipWithError("cache incomplete");
    list.reset();  // cancels the load waiting for the relayout
    state.ResumeTiming();
  }
}
BENCHMARK(BM_CachePhaseToFirstSortedList)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->Repetitions(3);

// From creating the main window to the first frame painted with the contacts of the cache
// file: activation, the theme (Touch, 480x800), the list screen, the cache phase on the
// loading thread and the repaint it asks for. The store phase that follows is not timed.
void BM_StartToFirstPaintedList(benchmark::State& state) {
  Profile();
  {
    auto list = NewList();  // writes the cache
    list->StartLoading();
    list->NotifyLayoutReady();
    list->WaitForLoading();
  }
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  std::filesystem::copy_file(exe.parent_path() / "themes" / "Touch.qbt",
                             std::filesystem::path(platform::ProgramDir()) / "Touch.qbt",
                             std::filesystem::copy_options::overwrite_existing, ec);
  for (auto _ : state) {
    state.PauseTiming();
    shell::ResetAppGlobals();
    auto manager = std::make_unique<platform::ui::WindowManager>(
        platform::ui::WindowManagerOptions{480, 800}, platform::ui::CreateHeadlessDisplay());
    state.ResumeTiming();
    shell::CreateMainWindow();
    for (;;) {
      shell::AppGlobals& app = shell::App();
      const bool listed = app.list_screen && app.list_screen->ContactList().DisplayedCount() >
                                                 static_cast<size_t>(kContacts / 2);
      manager->PumpUntilIdle();
      if (listed && app.back_buffer) break;
      std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    state.PauseTiming();
    shell::ResetAppGlobals();  // ends the store phase
    manager.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartToFirstPaintedList)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3);

std::vector<std::unique_ptr<ContactListItem>> SortRows() {
  std::vector<std::unique_ptr<ContactListItem>> rows;
  for (int i = 0; i < kContacts; ++i) {
    rows.push_back(std::make_unique<ContactListItem>(36));
    rows.back()->text = platform::ToUpper(NameOf(i));
  }
  return rows;
}

// The re-sort work of a load done literally: every tenth row, a full sort comparing texts.
void BM_ResortEveryTenRowsLiteral(benchmark::State& state) {
  auto rows = SortRows();
  for (auto _ : state) {
    std::vector<IListItem*> list;
    for (auto& row : rows) {
      list.push_back(row.get());
      if (list.size() % 10 == 0) std::sort(list.begin(), list.end(), CompareRows);
    }
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(BM_ResortEveryTenRowsLiteral)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

// The same work as the loader does it: keys once per row, growing batches merged in.
void BM_ResortBatchedMerge(benchmark::State& state) {
  auto rows = SortRows();
  for (auto _ : state) {
    SortKeyCache keys;
    std::vector<IListItem*> list;
    size_t pending = 0;
    for (auto& row : rows) {
      list.push_back(row.get());
      if (++pending >= std::max<size_t>(10, list.size() / 8)) {
        keys.Sort(list);
        pending = 0;
      }
    }
    keys.Sort(list);
    benchmark::DoNotOptimize(list.data());
  }
}
BENCHMARK(BM_ResortBatchedMerge)->Unit(benchmark::kMillisecond)->Iterations(3)->Repetitions(3);

// Heap bytes per loaded contact row (records, sort keys, indexes), pictures off.
void BM_MemoryPerRow(benchmark::State& state) {
  Profile();
  for (auto _ : state) {
    std::remove(ContactCachePath().c_str());
    malloc_trim(0);
    const size_t before = mallinfo2().uordblks;
    auto list = NewList();
    list->StartLoading();
    list->NotifyLayoutReady();
    list->WaitForLoading();
    list->Resort();
    const size_t after = mallinfo2().uordblks;
    state.counters["bytes_per_row"] =
        static_cast<double>(after - before) / static_cast<double>(list->GetItemCount());
  }
}
BENCHMARK(BM_MemoryPerRow)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
