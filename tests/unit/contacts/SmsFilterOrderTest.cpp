// The SMS filter's arrangement of the displayed rows: most unread SMS first, then the newest
// SMS, then the number of SMS, then the sort key; and the "Read SMS" separator shown only
// while some contact has unread SMS.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FilterTestRows.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/SmsFilterItem.h"
#include "platform/Text.h"
#include "theme/SettingManager.h"
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

std::u16string NameOf(const IListItem* row) {
  if (auto* contact = dynamic_cast<const ContactListItem*>(row)) return contact->display_name;
  if (auto* separator = dynamic_cast<const SeparatorItem*>(row)) return separator->caption;
  return u"?";
}

std::string Names(const std::vector<IListItem*>& rows) {
  std::string names;
  for (const IListItem* row : rows) {
    if (!names.empty()) names += ",";
    names += platform::ToUtf8(NameOf(row));
  }
  return names;
}

std::unique_ptr<ContactListItem> SmsContact(const SmsRow& fields) {
  auto row = MakeContact({.name = fields.name});
  row->unread_sms_count = fields.unread;
  row->newest_sms_time = fields.newest;
  row->sms_count = fields.count;
  return row;
}

// An SMS separator row: no sort text, placed by its counters and order value.
std::unique_ptr<SeparatorItem> SmsSeparator(std::u16string caption, int32_t unread, int32_t count) {
  auto row = std::make_unique<SeparatorItem>(u'0', 0);
  row->caption = std::move(caption);
  row->text.clear();
  row->order_value = 100;
  row->unread_sms_count = unread;
  row->sms_count = count;
  return row;
}

class SmsOrderTest : public ::testing::Test {
 protected:
  template <class Row>
  Row* Own(std::unique_ptr<Row> row) {
    Row* raw = row.get();
    owned_.push_back(std::move(row));
    return raw;
  }
  ContactListItem* Add(const SmsRow& fields) { return Own(SmsContact(fields)); }
  SeparatorItem* AddSeparator(std::u16string caption, int32_t unread, int32_t count) {
    return Own(SmsSeparator(std::move(caption), unread, count));
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
    if (i % 3 == 0) {
      EXPECT_EQ(dynamic_cast<BaseItem*>(many[i]), nullptr);
      continue;
    }
    auto* item = dynamic_cast<BaseItem*>(many[i]);
    if (previous != nullptr) {
      EXPECT_GE(previous->unread_sms_count, item->unread_sms_count);
    }
    previous = item;
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

TEST_F(SmsOrderTest, ContactListUnderTheSmsFilterShowsTextersInSmsOrder) {
  ContactSmartListControl list(nullptr, RECT{0, 0, 240, 300});
  auto* unread_separator =
      static_cast<SeparatorItem*>(list.AddItem(SmsSeparator(u"Unread SMS", 0xFFFFFF, 0xFFFFFF)));
  auto* read_separator =
      static_cast<SeparatorItem*>(list.AddItem(SmsSeparator(u"Read SMS", 1, 0xFFFFFF)));
  list.SetSmsSeparatorRows(unread_separator, read_separator);
  for (const SmsRow& row :
       {SmsRow{u"Alice", 0, 300, 4}, SmsRow{u"Bruno", 1, 100, 1}, SmsRow{u"Chloe", 0, 0, 0},
        SmsRow{u"Dave", 0, 700, 2}, SmsRow{u"Eve", 3, 50, 3}}) {
    list.AddItem(SmsContact(row));
  }

  list.SetFilter(new SmsFilterItem);
  std::vector<IListItem*> displayed;
  for (size_t i = 0; i < list.DisplayedCount(); ++i) displayed.push_back(list.DisplayedItem(i));
  // The separators sort by their counts: "Unread SMS" (height 0) first, "Read SMS" between
  // the contacts with unread SMS and the others.
  EXPECT_EQ(Names(displayed), "Contacts with SMS,Unread SMS,Eve,Bruno,Read SMS,Dave,Alice");
  EXPECT_EQ(unread_separator->height, 0);
  EXPECT_EQ(read_separator->height, theme::Settings().filter_title_height);

  // Once every SMS is read the "Read SMS" separator goes away again.
  for (size_t i = 0; i < list.GetItemCount(); ++i) {
    if (auto* contact = dynamic_cast<ContactListItem*>(list.GetItem(i))) {
      contact->unread_sms_count = 0;
    }
  }
  list.Resort();
  EXPECT_EQ(read_separator->height, 0);
}

}  // namespace
