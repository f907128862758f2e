// Rows and filters of the smart list: which rows are displayed, the header row in front of a
// filtered list, what setting a filter does to the offset, refining a filter (also with the
// filter already set), and the ownership of rows handed in and out.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ToolkitFixture.h"
#include "theme/SettingManager.h"
#include "toolkit/Action.h"
#include "toolkit/ISmartListFilter.h"
#include "toolkit/SeparatorItem.h"
#include "toolkit/SmartListControl.h"

namespace {

// Accepts rows by number; counts its own deletion.
class NumberFilter : public ISmartListFilter {
 public:
  NumberFilter(std::u16string title, std::function<bool(int)> accept, int* deleted = nullptr)
      : title_(std::move(title)), accept_(std::move(accept)), deleted_(deleted) {}
  ~NumberFilter() override {
    if (deleted_) ++*deleted_;
  }
  bool Accept(const IListItem& row) override {
    return accept_(static_cast<const TestRow&>(row).number);
  }
  std::u16string GetTitle() override { return title_; }
  void SetAccept(std::function<bool(int)> accept) { accept_ = std::move(accept); }
  void SetTitle(std::u16string title) { title_ = std::move(title); }

 private:
  std::u16string title_;
  std::function<bool(int)> accept_;
  int* deleted_;
};

class CountingList : public SmartListControl {
 public:
  using SmartListControl::SmartListControl;
  void OnFilterApplied() override { ++filter_applied; }
  int filter_applied = 0;
};

class SmartListFilterTest : public HostedListFixture<CountingList> {
 protected:
  void Fill(int count) { HostedListFixture::Fill(count, 20); }
  // Numbers of the displayed rows after the header (or all when there is none).
  std::vector<int> DisplayedNumbers() const {
    std::vector<int> numbers;
    for (size_t i = list_->HeaderItem() ? 1 : 0; i < list_->DisplayedCount(); ++i) {
      numbers.push_back(static_cast<TestRow*>(list_->DisplayedItem(i))->number);
    }
    return numbers;
  }
};

const auto Even = [](int n) { return n % 2 == 0; };

TEST_F(SmartListFilterTest, FilterDisplaysAcceptedRowsBehindAHeader) {
  Fill(10);
  list_->SetFilter(new NumberFilter(u"Even", Even));
  EXPECT_EQ(DisplayedNumbers(), (std::vector<int>{0, 2, 4, 6, 8}));
  SeparatorItem* header = list_->HeaderItem();
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(list_->DisplayedItem(0), header);
  EXPECT_EQ(header->caption, u"Even");
  EXPECT_TRUE(header->text.empty());
  EXPECT_EQ(header->order_value, 0x0FFFFFFF);
  EXPECT_EQ(header->sms_count, 0x0FFFFFFF);
  EXPECT_EQ(header->unread_sms_count, 0x0FFFFFFF);
  EXPECT_EQ(list_->GetContentHeight(), 5 * 20 + theme::Settings().filter_title_height);
  EXPECT_EQ(list_->filter_applied, 1);

  // Rows added later pass the filter too.
  list_->AddItem(std::make_unique<TestRow>(12, 20));
  list_->AddItem(std::make_unique<TestRow>(13, 20));
  list_->InsertItemFront(std::make_unique<TestRow>(14, 20));
  EXPECT_EQ(DisplayedNumbers(), (std::vector<int>{14, 0, 2, 4, 6, 8, 12}));
  EXPECT_EQ(list_->GetContentHeight(), 7 * 20 + theme::Settings().filter_title_height);
}

TEST_F(SmartListFilterTest, SameFilterAgainKeepsTheOffsetAnotherResetsItNoneKeepsIt) {
  Fill(100);
  int deleted = 0;
  auto* even = new NumberFilter(u"Even", Even, &deleted);
  list_->SetFilter(even);
  list_->SetScrollOffset(300);
  even->SetAccept([](int n) { return n % 4 == 0; });
  list_->SetFilter(even);
  EXPECT_EQ(deleted, 0);
  EXPECT_EQ(DisplayedNumbers().size(), 25u);
  // 25 rows + header: content 517, max 197: the offset is kept but not past max.
  EXPECT_EQ(list_->ScrollOffset(), list_->MaxScrollOffset());

  list_->SetFilter(new NumberFilter(
      u"All", [](int) { return true; }, &deleted));
  EXPECT_EQ(deleted, 1);
  EXPECT_EQ(list_->ScrollOffset(), 0);

  // No filter shows all rows without header and keeps the offset.
  list_->SetScrollOffset(200);
  list_->SetFilter(nullptr);
  EXPECT_EQ(deleted, 2);
  EXPECT_EQ(list_->DisplayedCount(), 100u);
  EXPECT_EQ(list_->ScrollOffset(), 200);
  // The height follows the rows displayed now.
  EXPECT_EQ(list_->GetContentHeight(), 2000);

  list_->SetFilter(new NumberFilter(u"Even", Even, &deleted));
  list_->ClearFilter();
  EXPECT_EQ(deleted, 3);
  EXPECT_EQ(list_->GetContentHeight(), 2000);
}

TEST_F(SmartListFilterTest, RefineFiltersTheDisplayedRowsAndNamesBothFiltersOnce) {
  Fill(30);
  int deleted = 0;
  list_->SetFilter(new NumberFilter(u"Even", Even, &deleted));
  list_->RefineFilter(new NumberFilter(
      u"Below 10", [](int n) { return n < 10; }, &deleted));
  EXPECT_EQ(deleted, 1);
  EXPECT_EQ(DisplayedNumbers(), (std::vector<int>{0, 2, 4, 6, 8}));
  EXPECT_EQ(list_->HeaderItem()->caption, u"Below 10, Even");
  EXPECT_EQ(list_->filter_applied, 1);

  // Refining an unfiltered list: no previous title.
  Fill(30);
  list_->RefineFilter(new NumberFilter(u"Odd", [](int n) { return n % 2 == 1; }));
  EXPECT_EQ(list_->HeaderItem()->caption, u"Odd");
  EXPECT_EQ(DisplayedNumbers().size(), 15u);

  // Refining with the current filter keeps it and does not repeat its title.
  Fill(200);
  deleted = 0;
  list_->SetFilter(new NumberFilter(u"Even", Even, &deleted));
  auto* letters = new NumberFilter(
      u"Matching '1'", [](int n) { return n % 10 == 0; }, &deleted);
  list_->RefineFilter(letters);
  EXPECT_EQ(DisplayedNumbers().size(), 20u);
  EXPECT_EQ(list_->HeaderItem()->caption, u"Matching '1', Even");

  // More letters typed into the same filter object.
  letters->SetAccept([](int n) { return n % 20 == 0; });
  letters->SetTitle(u"Matching '12'");
  list_->SetScrollOffset(40);
  list_->RefineFilter(letters);
  EXPECT_EQ(deleted, 1);  // only "Even"
  EXPECT_EQ(DisplayedNumbers().size(), 10u);
  EXPECT_EQ(list_->HeaderItem()->caption, u"Matching '12', Even");
  EXPECT_EQ(list_->ScrollOffset(), 0);  // 10 rows fit: nothing to scroll
}

// What the filter accepts changed under it (the rows' counts moved): refreshing shows the rows
// it accepts now and keeps header, title, scroll offset, selected row and the filter object;
// a refined filter, whose earlier filter is gone, is left as it is.
TEST_F(SmartListFilterTest, RefreshKeepsTitleScrollAndSelectionAndLeavesRefinementsAlone) {
  Fill(40);
  int limit = 20;
  auto* below = new NumberFilter(u"Below", [&limit](int n) { return n < limit; });
  list_->SetFilter(below);
  list_->SetScrollOffset(60);
  list_->SetSelectedIndex(5);  // row 4 (the header comes first)
  SeparatorItem* header = list_->HeaderItem();
  const int applied = list_->filter_applied;
  EXPECT_FALSE(list_->RefreshFilter());  // nothing changed
  limit = 25;
  EXPECT_TRUE(list_->RefreshFilter());
  EXPECT_EQ(DisplayedNumbers().size(), 25u);
  EXPECT_EQ(list_->HeaderItem(), header);
  EXPECT_EQ(list_->Filter(), below);
  EXPECT_EQ(list_->filter_applied, applied);
  EXPECT_EQ(list_->ScrollOffset(), 60);
  EXPECT_EQ(static_cast<TestRow*>(list_->DisplayedItem(list_->SelectedIndex()))->number, 4);
  limit = 3;  // the selected row goes, the offset comes back within the shorter content
  EXPECT_TRUE(list_->RefreshFilter());
  EXPECT_EQ(DisplayedNumbers(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(list_->SelectedIndex(), -1);
  EXPECT_EQ(list_->ScrollOffset(), 0);

  list_->RefineFilter(new NumberFilter(u"Odd", [](int n) { return n % 2 == 1; }));
  limit = 40;
  EXPECT_FALSE(list_->RefreshFilter());
  EXPECT_EQ(DisplayedNumbers(), (std::vector<int>{1}));
  EXPECT_EQ(list_->HeaderItem()->caption, u"Odd, Below");
}

TEST_F(SmartListFilterTest, RemoveHandsTheRowBackAndDeleteAllCanKeepOne) {
  Fill(5);
  list_->SetFilter(new NumberFilter(u"Even", Even));
  IListItem* two = list_->DisplayedItem(2);
  std::unique_ptr<IListItem> removed = list_->RemoveItem(two);
  EXPECT_EQ(removed.get(), two);
  EXPECT_EQ(list_->GetItemCount(), 4u);
  EXPECT_EQ(DisplayedNumbers(), (std::vector<int>{0, 4}));
  EXPECT_EQ(list_->RemoveItem(two), nullptr);

  list_->SetSelectedIndex(1);
  list_->SetScrollOffset(10);
  IListItem* keep = list_->GetItem(0);
  std::unique_ptr<IListItem> kept = list_->DeleteAllItemsExcept(keep);
  EXPECT_EQ(kept.get(), keep);
  EXPECT_EQ(list_->GetItemCount(), 0u);
  EXPECT_EQ(DisplayedNumbers().size(), 0u);
  EXPECT_EQ(list_->SelectedIndex(), -1);
  EXPECT_EQ(list_->ScrollOffset(), 0);

  list_->AddItem(std::move(kept));
  list_->DeleteAllItems();
  EXPECT_EQ(list_->GetItemCount(), 0u);
}

TEST_F(SmartListFilterTest, ItemAtAndVisibilityFollowTheOffsetAndTheListenerEveryChange) {
  Fill(100);
  EXPECT_EQ(list_->ItemAt(5, 0), list_->GetItem(0));
  EXPECT_EQ(list_->ItemAt(5, 19), list_->GetItem(0));
  EXPECT_EQ(list_->ItemAt(5, 20), list_->GetItem(1));
  list_->SetScrollOffset(1995);  // max is 1680: the offset stops at 1710
  EXPECT_EQ(list_->ScrollOffset(), 1710);
  EXPECT_EQ(list_->ItemAt(5, 289), list_->GetItem(99));
  EXPECT_EQ(list_->ItemAt(5, 290), nullptr);
  int runs = 0;
  CallbackAction listener([&] { ++runs; });
  list_->SetScrollListener(&listener);
  list_->SetScrollOffset(10);
  list_->SetScrollOffset(SmartListControl::kScrollToEnd);
  EXPECT_EQ(runs, 2);
  list_->SetScrollListener(nullptr);
  // At the end, 1680 (only that offset shows row 99 on the last line and nothing below):
  EXPECT_EQ(list_->ItemAt(5, 319), list_->GetItem(99));
  EXPECT_EQ(list_->ItemAt(5, 320), nullptr);
  EXPECT_TRUE(list_->IsItemBottomVisible(-1));
  EXPECT_TRUE(list_->IsItemBottomVisible(83));   // bottom 1680 on the top edge
  EXPECT_FALSE(list_->IsItemBottomVisible(82));  // bottom 1660
  EXPECT_FALSE(list_->IsItemBottomVisible(100));
  EXPECT_TRUE(list_->IsItemVisible(list_->GetItem(90)));
  EXPECT_FALSE(list_->IsItemVisible(list_->GetItem(10)));
  list_->SetFilter(new NumberFilter(u"Even", Even));
  EXPECT_FALSE(list_->IsItemVisible(list_->GetItem(91)));  // not displayed at all
}

}  // namespace
