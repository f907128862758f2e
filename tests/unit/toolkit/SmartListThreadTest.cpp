// A loading thread fills and filters the list under its lock while the UI thread paints,
// drags and presses keys: every change is atomic with respect to the UI thread, and the
// list ends consistent.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "ToolkitFixture.h"
#include "toolkit/ISmartListFilter.h"
#include "toolkit/SeparatorItem.h"
#include "toolkit/SmartListControl.h"

namespace {

class EvenFilter : public ISmartListFilter {
 public:
  bool Accept(const IListItem& row) override {
    return static_cast<const TestRow&>(row).number % 2 == 0;
  }
  std::u16string GetTitle() override { return u"Even"; }
};

// A row whose drawing touches nothing shared (TestRow counts its draws).
class QuietRow : public TestRow {
 public:
  using TestRow::TestRow;
  bool Draw(platform::Surface& surface, const RECT& row, bool) override {
    surface.FillRect(row, RGB(10, 20, static_cast<uint8_t>(number)));
    return true;
  }
};

class SmartListThreadTest : public ToolkitFixture {};

TEST_F(SmartListThreadTest, LoaderAddsAndFiltersWhileTheUiThreadPaintsAndScrolls) {
  SmartListControl list(hwnd(), RECT{0, 0, 240, 320});
  Host(&list);
  constexpr int kRows = 3000;
  std::atomic<bool> done{false};
  auto* filter = new EvenFilter;
  std::thread loader([&] {
    for (int i = 0; i < kRows; i += 50) {
      std::lock_guard lock(list.ListLock());
      for (int j = i; j < i + 50; ++j) list.AddItem(std::make_unique<QuietRow>(j, 20));
      if (i == kRows / 2) list.SetFilter(filter);
      if (i % 500 == 0 && i > 0) list.SetFilter(list.Filter());
    }
    done = true;
  });
  int rounds = 0;
  while (!done || rounds < 5) {
    ++rounds;
    PenDown(100, 250);
    PenMove(100, 150);
    PenUp(100, 150);
    Key(0x28);
    PaintAll();
    Advance(30);
  }
  loader.join();
  Advance(2000);

  std::lock_guard lock(list.ListLock());
  EXPECT_EQ(list.GetItemCount(), static_cast<size_t>(kRows));
  ASSERT_NE(list.HeaderItem(), nullptr);
  EXPECT_EQ(list.DisplayedItem(0), list.HeaderItem());
  EXPECT_EQ(list.DisplayedCount(), static_cast<size_t>(kRows / 2 + 1));
  EXPECT_EQ(list.GetContentHeight(), kRows / 2 * 20 + list.HeaderItem()->height);
  Host(nullptr);
}

}  // namespace
