// The SMS filter's arrangement of the displayed rows: most unread SMS first, then the newest
// SMS, then the number of SMS, then the sort key; and the "Read SMS" separator shown only
// while some contact has unread SMS.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FilterTestRows.h"
#include "contacts/ContactListItem.h"
#include "contacts/SmsFilterItem.h"
#include "platform/Text.h"
#include "toolkit/SeparatorItem.h"

namespace {

using filter_test::MakeContact;

struct SmsRow {
  std::u16string name;
  int32_t unread;
  uint64_t newest;
  int32_t count;
};

// Rows that are neither contacts nor separators: the sort must leave them where they are.
class PlainRow : public IListItem {
 public:
  char16_t GetIndexChar() const override { return u'?'; }
};

// The rows' display names or captions ("?" for other rows), comma-separated.
std::string Names(const std::vector<IListItem*>& rows) {
  std::string names;
  for (const IListItem* row : rows) {
    std::u16string name = u"?";
    if (auto* contact = dynamic_cast<const ContactListItem*>(row)) name = contact->display_name;
    if (auto* separator = dynamic_cast<const SeparatorItem*>(row)) name = separator->caption;
    names += (names.empty() ? "" : ",") + platform::ToUtf8(name);
  }
  return names;
}

class SmsOrderTest : public ::testing::Test {
 protected:
  template <class Row>
  Row* Own(std::unique_ptr<Row> row) {
    Row* raw = row.get();
    owned_.push_back(std::move(row));
    return raw;
  }
  ContactListItem* Add(const SmsRow& fields) {
    auto row = MakeContact({.name = fields.name, .sms = fields.count, .unread_sms = fields.unread});
    row->newest_sms_time = fields.newest;
    return Own(std::move(row));
  }
  // An SMS separator row: no sort text, placed by its counters and order value.
  SeparatorItem* AddSeparator(std::u16string caption, int32_t unread, int32_t count) {
    auto row = std::make_unique<SeparatorItem>(u'0', 0);
    row->caption = std::move(caption);
    row->text.clear();
    row->order_value = 100;
    row->unread_sms_count = unread;
    row->sms_count = count;
    return Own(std::move(row));
  }
  IListItem* AddPlain() { return Own(std::make_unique<PlainRow>()); }

  std::vector<std::unique_ptr<IListItem>> owned_;
};

TEST_F(SmsOrderTest, UnreadThenNewestThenCountThenKey) {
  std::vector<IListItem*> rows = {
      Add({u"bea", 0, 500, 3}),  Add({u"Cal", 0, 500, 3}),  Add({u"Abe", 0, 500, 3}),
      Add({u"Old", 2, 100, 9}),  Add({u"New", 2, 900, 2}),  Add({u"Most", 5, 1, 1}),
      Add({u"Many", 0, 500, 7}), Add({u"Late", 0, 800, 1}), Add({u"None", 0, 0, 0}),
  };
  // The filter header row sorts first: its counters are the largest.
  rows.insert(rows.begin() + 4, AddSeparator(u"Header", 0x0FFFFFFF, 0x0FFFFFFF));
  SmsFilterItem::SortBySms(rows);
  EXPECT_EQ(Names(rows), "Header,Most,New,Old,Late,Many,Abe,bea,Cal,None");
}

TEST_F(SmsOrderTest, RowsThatAreNotBaseItemsKeepTheirSlots) {
  std::vector<IListItem*> rows = {Add({u"a", 0, 1, 1}), AddPlain(), Add({u"b", 3, 1, 1}),
                                  AddPlain(), Add({u"c", 1, 1, 1})};
  SmsFilterItem::SortBySms(rows);
  EXPECT_EQ(Names(rows), "b,?,c,?,a");

  // Many rows with plain rows between them: the sort stays in bounds and ordered.
  std::vector<IListItem*> many;
  for (int i = 0; i < 200; ++i) {
    many.push_back(i % 3 == 0 ? AddPlain() : Add({u"r", i % 7, uint64_t(i % 5), i % 4}));
  }
  SmsFilterItem::SortBySms(many);
  const BaseItem* previous = nullptr;
  for (size_t i = 0; i < many.size(); ++i) {
    auto* item = dynamic_cast<BaseItem*>(many[i]);
    ASSERT_EQ(item == nullptr, i % 3 == 0) << i;
    EXPECT_TRUE(!item || !previous || previous->unread_sms_count >= item->unread_sms_count) << i;
    if (item) previous = item;
  }
}

TEST_F(SmsOrderTest, ReadSeparatorShowsOnlyWhileAContactHasUnreadSms) {
  SeparatorItem* unread_separator = AddSeparator(u"Unread SMS", 0xFFFFFF, 0xFFFFFF);
  SeparatorItem* read_separator = AddSeparator(u"Read SMS", 1, 0xFFFFFF);
  ContactListItem* contact = Add({u"Ann", 0, 5, 2});
  std::vector<IListItem*> master = {unread_separator, read_separator, contact, AddPlain()};

  struct Case {
    int32_t unread;
    int32_t expected_read_height;
  };
  // The separators' own counters never count as unread SMS of a contact.
  for (const Case c : {Case{0, 0}, Case{1, 17}, Case{0, 0}}) {
    unread_separator->height = 9;
    read_separator->height = 9;
    contact->unread_sms_count = c.unread;
    SmsFilterItem::PlaceSeparators({unread_separator, read_separator}, master, 17);
    EXPECT_EQ(unread_separator->height, 0);
    EXPECT_EQ(read_separator->height, c.expected_read_height);
  }

  // Without both rows nothing changes.
  unread_separator->height = 9;
  SmsFilterItem::PlaceSeparators({unread_separator, nullptr}, master, 17);
  EXPECT_EQ(unread_separator->height, 9);
}

}  // namespace
