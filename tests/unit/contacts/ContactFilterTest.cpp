// The field filters (all contacts, SMS, favourites, company, city, category): which rows
// each one displays and the header titles.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FilterTestRows.h"
#include "contacts/AllContactsFilterItem.h"
#include "contacts/CategoryFilterItem.h"
#include "contacts/CityFilterItem.h"
#include "contacts/CompanyFilterItem.h"
#include "contacts/FavoriteFilterItem.h"
#include "contacts/NewContactListItem.h"
#include "contacts/SmsContactListItem.h"
#include "contacts/SmsFilterItem.h"
#include "platform/Text.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"

namespace {

using filter_test::MakeContact;
using Rows = std::vector<std::unique_ptr<IListItem>>;

// The display names (or separator captions) of the rows of `rows` that `filter` accepts.
std::vector<std::u16string> Accepted(ISmartListFilter& filter, const Rows& rows) {
  std::vector<std::u16string> names;
  for (const auto& row : rows) {
    if (!filter.Accept(*row)) continue;
    if (auto* contact = dynamic_cast<ContactListItem*>(row.get())) {
      names.push_back(contact->display_name);
    } else if (auto* separator = dynamic_cast<SeparatorItem*>(row.get())) {
      names.push_back(separator->caption);
    }
  }
  return names;
}

std::string TitleOf(ISmartListFilter& filter) {
  return platform::ToUtf8(filter.GetTitle());
}

Rows FieldRows() {
  Rows rows;
  rows.push_back(MakeContact({.name = u"Ann",
                              .company = u"Acme",
                              .city = u"Paris",
                              .categories = u"Business",
                              .favourite = true}));
  rows.push_back(MakeContact(
      {.name = u"Bob", .company = u"acme", .city = u"paris", .categories = u"Personal, Golfing"}));
  rows.push_back(MakeContact(
      {.name = u"Cid", .company = u"Acme Corp", .city = u"Paris ", .categories = u"business"}));
  rows.push_back(MakeContact({.name = u"Dee"}));
  rows.push_back(std::make_unique<NewContactListItem>(u"New Contact", 36));
  rows.push_back(std::make_unique<SeparatorItem>(u'A', 20));
  return rows;
}

TEST(ContactFilters, FieldFiltersCompareExactlyAndEmptyMeansWithoutTheField) {
  const Rows rows = FieldRows();
  struct Case {
    std::unique_ptr<ISmartListFilter> filter;
    std::vector<std::u16string> expected;
  };
  Case cases[] = {
      {std::make_unique<CompanyFilterItem>(u"Acme"), {u"Ann"}},
      {std::make_unique<CompanyFilterItem>(u"acme"), {u"Bob"}},
      {std::make_unique<CompanyFilterItem>(u""), {u"Dee", u"<New Contact>"}},
      {std::make_unique<CityFilterItem>(u"Paris"), {u"Ann"}},
      {std::make_unique<CityFilterItem>(u""), {u"Dee", u"<New Contact>"}},
      {std::make_unique<CategoryFilterItem>(u"Business"), {u"Ann"}},
      {std::make_unique<CategoryFilterItem>(u"usines"), {u"Ann", u"Cid"}},
      {std::make_unique<CategoryFilterItem>(u"Golf"), {u"Bob"}},
      {std::make_unique<CategoryFilterItem>(u""), {u"Dee", u"<New Contact>"}},
      {std::make_unique<FavoriteFilterItem>(), {u"Ann"}},
  };
  for (auto& c : cases) EXPECT_EQ(Accepted(*c.filter, rows), c.expected) << TitleOf(*c.filter);
}

TEST(ContactFilters, SmsFiltersFollowTheCounts) {
  Rows rows;
  rows.push_back(MakeContact({.name = u"Texter", .sms = 2}));
  rows.push_back(MakeContact({.name = u"Unread", .sms = 1, .unread_sms = 1}));
  rows.push_back(MakeContact({.name = u"Quiet"}));
  rows.push_back(std::make_unique<SmsContactListItem>(u"Bank", u"+3361", u"Service", false, 36));
  rows.push_back(std::make_unique<SmsContactListItem>(u"Shop", u"+3362", u"Service", true, 36));
  auto separator = std::make_unique<SeparatorItem>(u'0', 0);
  separator->caption = u"Unread SMS";
  separator->sms_count = 0xFFFFFF;
  separator->unread_sms_count = 0xFFFFFF;
  rows.push_back(std::move(separator));
  rows.push_back(std::make_unique<NewContactListItem>(u"New Contact", 36));

  AllContactsFilterItem all;
  // A sender who is not a contact disappears once its SMS are read; separators stay.
  EXPECT_EQ(Accepted(all, rows),
            (std::vector<std::u16string>{u"Texter", u"Unread", u"Quiet", u"Bank", u"Unread SMS",
                                         u"<New Contact>"}));

  // The SMS filter takes contact rows with SMS, read or not, and the SMS separator rows
  // (which carry SMS counts), but no letter separator.
  rows.push_back(std::make_unique<SeparatorItem>(u'B', 20));
  SmsFilterItem sms;
  EXPECT_EQ(Accepted(sms, rows),
            (std::vector<std::u16string>{u"Texter", u"Unread", u"Bank", u"Shop", u"Unread SMS"}));
}

TEST(ContactFilters, TitlesFillTheLanguageTextWithTheFilterText) {
  auto& settings = theme::Settings();
  const std::u16string saved = settings.txt_FilteredByCompany;
  EXPECT_EQ(TitleOf(*std::make_unique<CompanyFilterItem>(u"Acme")), "Working for Acme");
  EXPECT_EQ(TitleOf(*std::make_unique<CityFilterItem>(u"Lyon")), "Living in Lyon");
  EXPECT_EQ(TitleOf(*std::make_unique<CategoryFilterItem>(u"VIP")), "Categorized as VIP");

  // A text with format characters is shown as it is; the language text is read when the
  // filter is made.
  settings.txt_FilteredByCompany = u"%d %s %s";
  CompanyFilterItem company(u"%s%n");
  settings.txt_FilteredByCompany = saved;
  EXPECT_EQ(TitleOf(company), "%d %s%n %s");
}

}  // namespace
