// Filling contact records from store values in both layouts, and the phone list order.
#include "contacts/FillContact.h"

#include <gtest/gtest.h>

#include "ContactTestValues.h"
#include "contacts/PhoneLabel.h"

using contact_test::BulkValues;
using contact_test::Field;
using contact_test::TableValues;

namespace {

constexpr int kFileAs = 1, kFirst = 3, kCompany = 11, kMobile = 23, kBusiness = 24,
              kBusinessFax = 28, kPager = 30, kRadio = 32, kAssistant = 34;

ContactFillSettings Settings(bool hide_without_phone = true) {
  ContactFillSettings s;
  s.expressions = {u"%fileas", u"%phone (%company)", u"%fileas",
                   u"%addressstreet\\n%addresscity %addresspostalcode\\n%addressstate\\n"
                   u"%addresscountry"};
  s.hide_contact_without_phone = hide_without_phone;
  return s;
}

std::unique_ptr<ContactListItem> FillFromTable(const std::vector<Field>& fields,
                                               const ContactFillSettings& s) {
  auto record = std::make_unique<ContactListItem>(36);
  auto values = TableValues(fields);
  FillContact(*record, ContactValues(values), s);
  return record;
}

TEST(FillContact, OnlyAFaxNumberIsNoPhone) {
  for (bool hide : {true, false}) {
    auto r = FillFromTable({{kFileAs, u"Fax"}, {kBusinessFax, u"1"}}, Settings(hide));
    EXPECT_EQ(r->shown, !hide);
    EXPECT_TRUE(r->phones.empty());
  }
}

TEST(FillContact, PhoneListIsReversePriorityWithThePreferredNumberLast) {
  auto all = FillFromTable({{kMobile, u"1"},
                            {kBusiness, u"2"},
                            {kPager, u"6"},
                            {kRadio, u"8"},
                            {kAssistant, u"10"},
                            {kBusinessFax, u"fax"}},
                           Settings());
  std::vector<std::u16string> numbers;
  for (const auto& p : all->phones) numbers.push_back(p.number);
  EXPECT_EQ(numbers, (std::vector<std::u16string>{u"10", u"8", u"6", u"2", u"1"}));
}

TEST(FillContact, FillsEveryTextFieldFromTheExpressions) {
  auto r = FillFromTable({{kFileAs, u"Doe, Jane"},
                          {kCompany, u"Acme"},
                          {kMobile, u"555"},
                          {17, u"j@d.org"},
                          {19, u"j3@d.org"},
                          {47, u"Paris"},
                          {46, u"1 Rue"},
                          {63, u"VIP, Golf"}},
                         Settings());
  EXPECT_EQ(r->display_name, u"Doe, Jane");
  EXPECT_EQ(r->header, u"Doe, Jane");
  EXPECT_EQ(r->second_line, u"555 (Acme)");
  EXPECT_EQ(r->detail, u"1 Rue\nParis \n");
  EXPECT_EQ(r->email1, u"j@d.org");
  EXPECT_EQ(r->email2, u"");
  EXPECT_EQ(r->email3, u"j3@d.org");
  EXPECT_EQ(r->company, u"Acme");
  EXPECT_EQ(r->city, u"Paris");
  EXPECT_EQ(r->categories, u"VIP, Golf");
}

TEST(FillContact, EmptyHeaderFallsBackToFileAsAfterABulkRead) {
  ContactFillSettings s = Settings(false);
  s.expressions.header = u"%nickname";
  PropertyRequestList list(s.expressions, contact_test::kFavoriteId);
  auto values = BulkValues(list, {{kFileAs, u"Doe"}, {kMobile, u"1"}});
  ContactListItem bulk(36);
  FillContact(bulk, ContactValues(values, list), s);
  EXPECT_EQ(bulk.display_name, u"Doe");
  EXPECT_EQ(bulk.header, u"");

  // A full read falls back only when contacts without a number are hidden.
  EXPECT_EQ(FillFromTable({{kFileAs, u"Doe"}}, s)->display_name, u"");
  s.hide_contact_without_phone = true;
  EXPECT_EQ(FillFromTable({{kFileAs, u"Doe"}, {kMobile, u"1"}}, s)->display_name, u"Doe");
}

TEST(FillContact, SortKeyIsUpperCasedAndFallsBackToFileAs) {
  ContactFillSettings s = Settings();
  s.expressions.sort = u"%firstname";
  EXPECT_EQ(FillFromTable({{kFirst, u"émile"}, {kMobile, u"1"}}, s)->text, u"ÉMILE");
  EXPECT_EQ(FillFromTable({{kFileAs, u"zoë"}, {kMobile, u"1"}}, s)->text, u"ZOË");
}

TEST(FillContact, BulkReadOfAHiddenContactKeepsTheOtherFields) {
  ContactFillSettings s = Settings();
  PropertyRequestList list(s.expressions, contact_test::kFavoriteId);
  ContactListItem r(36);
  auto first = BulkValues(list, {{kFileAs, u"Old"}, {kMobile, u"1"}}, 9, true);
  FillContact(r, ContactValues(first, list), s);
  ASSERT_TRUE(r.shown);
  auto second = BulkValues(list, {{kFileAs, u"New"}}, 9, false);
  FillContact(r, ContactValues(second, list), s);
  EXPECT_FALSE(r.shown);
  EXPECT_TRUE(r.phones.empty());
  EXPECT_EQ(r.display_name, u"Old");
  EXPECT_TRUE(r.favourite);
}

TEST(FillContact, ShortOrDamagedValueArraysReadAsAbsent) {
  std::vector<platform::pim::PropertyValue> values = {
      platform::pim::PropertyValue::Number(contacts::kObjectIdProperty, 5)};
  ContactListItem r(36);
  FillContact(r, ContactValues(values), Settings(false));
  EXPECT_EQ(r.object_id, 5u);
  EXPECT_TRUE(r.phones.empty());
  // A text record whose id is not of the text type is absent.
  auto table = TableValues({{kMobile, u"1"}});
  table[kMobile].id = 0x00960003;
  FillContact(r, ContactValues(table), Settings(false));
  EXPECT_TRUE(r.phones.empty());
}

TEST(PhoneLabel, RadioHasItsOwnLabelAndOtherFieldsShowTheNumberOnly) {
  EXPECT_EQ(PhoneLabel(PhoneEntry{u"1", 0x009F001F}), u"Radio - %s");
  EXPECT_EQ(PhoneLabel(PhoneEntry{u"1", 0x009B001F}), u"%s");  // business fax
  EXPECT_EQ(PhoneLabel(PhoneEntry{u"1", 0}), u"%s");
  EXPECT_EQ(DefaultPhoneLabel(PhoneEntry{u"1", 0x00A1001F}), u"Asst. - %s");
  EXPECT_EQ(PhoneLabelText(PhoneEntry{u"555 %d", 0x0099001F}), u"Home - 555 %d");
}

}  // namespace
