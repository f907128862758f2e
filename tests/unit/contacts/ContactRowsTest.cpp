// The data form of list rows: index characters, the preferred phone and the special contact
// rows.
#include <gtest/gtest.h>

#include "contacts/ContactListItem.h"
#include "contacts/SmsContactListItem.h"
#include "toolkit/SeparatorItem.h"

namespace {

TEST(ListRows, RowsWithAnEmptyTextFileUnderASpace) {
  ContactListItem contact(36);
  EXPECT_EQ(contact.GetIndexChar(), u' ');
  contact.text = u"ÉMILE";
  EXPECT_EQ(contact.GetIndexChar(), u'É');
  SeparatorItem separator(u'B', 20);
  EXPECT_EQ(separator.GetIndexChar(), u'B');
  separator.caption.clear();
  EXPECT_EQ(separator.GetIndexChar(), u' ');
}

TEST(ListRows, PreferredPhoneIsTheLastEntryOrNone) {
  ContactListItem contact(40);
  EXPECT_EQ(contact.PreferredPhone(), nullptr);
  contact.phones = {PhoneEntry{u"1", 1}, PhoneEntry{u"2", 2}};
  EXPECT_EQ(contact.PreferredPhone()->number, u"2");
}

TEST(ListRows, SmsSenderRowSortsAfterContactsAndNamesServiceMessages) {
  SmsContactListItem sender(u"Bob", u"+33123", u"Service Message", false, 36);
  EXPECT_EQ(sender.display_name, u"Bob");
  EXPECT_EQ(sender.header, u"Bob");
  EXPECT_EQ(sender.second_line, u"+33123");
  EXPECT_EQ(sender.text, u"ZZBob");
  EXPECT_EQ(sender.unread_sms_count, 1);
  EXPECT_EQ(sender.sms_count, 1);
  EXPECT_EQ(sender.phones, (std::vector<PhoneEntry>{{u"+33123", 0x0096001F}}));

  SmsContactListItem service(u"Operator", u"", u"Service Message", true, 36);
  EXPECT_EQ(service.display_name, u"Service Message");
  EXPECT_EQ(service.text, u"ZZOperator");
  EXPECT_EQ(service.unread_sms_count, 0);
}

}  // namespace
