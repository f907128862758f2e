// Expansion of formatting expressions: every key rule, the address family, "%phone", the end
// trims and the clean-up, in both value layouts.
#include "contacts/ExpandExpression.h"

#include <gtest/gtest.h>

#include "ContactTestValues.h"
#include "platform/Text.h"

using contact_test::Field;
using contact_test::TableValues;
using namespace contacts;

namespace {

constexpr int kTitle = 2, kFirst = 3, kLast = 5, kNick = 7, kCompany = 11, kDepartment = 12,
              kJob = 13, kEmail = 17, kEmail2 = 18, kCompanyPhone = 33;
constexpr int kBusinessStreet = 46, kBusinessCity = 47, kHomeStreet = 52, kHomeCity = 53,
              kHomePostal = 55, kOtherCity = 59, kOtherAddress = 57;

const std::u16string kDefaultDetail =
    u"%addressstreet\\n%addresscity %addresspostalcode\\n%addressstate\\n%addresscountry";

struct Case {
  std::u16string expression;
  std::vector<Field> fields;
  std::vector<std::u16string> phones;  // priority order reversed: the last is preferred
  std::u16string expected;
};

const Case kCases[] = {
    // %phone is the preferred number (the last entry); empty brackets go, one space stays.
    {u"%phone (%company)", {{kCompany, u"Acme"}}, {u"555 1234"}, u"555 1234 (Acme)"},
    {u"%phone (%company)", {}, {u"555"}, u"555 "},
    {u"%phone (%company)", {{kCompany, u"Acme"}}, {}, u"(Acme)"},
    {u"%phone (%company)", {}, {}, u""},
    {u"%phone", {}, {u"111", u"222"}, u"222"},
    // An empty %email2 is not %email followed by "2"; %companyphone is never %company.
    {u"%email2", {{kEmail, u"a@x.org"}}, {}, u""},
    {u"%email/%email2", {{kEmail, u"a@x"}, {kEmail2, u"b@y"}}, {}, u"a@x/b@y"},
    {u"%companyphone", {{kCompany, u"Acme"}, {kCompanyPhone, u"777"}}, {}, u"777"},
    {u"%companyphone", {{kCompany, u"Acme"}}, {}, u""},
    // Separators at the ends are removed, repeatedly.
    {u"%fileas, %jobtitle", {{1, u"Doe, John"}}, {}, u"Doe, John"},
    {u"%fileas, %jobtitle", {{1, u"Doe, John"}, {kJob, u"CEO"}}, {}, u"Doe, John, CEO"},
    {u"%jobtitle, - %fileas", {{1, u"Doe"}}, {}, u"Doe"},
    // The address family: business, else home, else other, chosen by street and city.
    {kDefaultDetail, {}, {}, u"\n\n"},
    {kDefaultDetail,
     {{kHomeStreet, u"1 Main St"}, {kHomeCity, u"Springfield"}, {kHomePostal, u"12345"}},
     {},
     u"1 Main St\nSpringfield 12345\n"},
    {u"%addressstreet|%addresscity",
     {{kHomeStreet, u"1 Main St"}, {kBusinessCity, u"Paris"}},
     {},
     u"|Paris"},
    {u"%addresscity", {{kOtherCity, u"Oslo"}}, {}, u"Oslo"},
    {u"%addresscity", {{kBusinessStreet, u"Rue 1"}, {kOtherCity, u"Oslo"}}, {}, u""},
    // The whole address is replaced after its parts; %name is the last name.
    {u"%address", {{kOtherAddress, u"Somewhere"}}, {}, u"Somewhere"},
    {u"%name/%lastname", {{kLast, u"Doe"}}, {}, u"Doe/Doe"},
    // Lone percents, unknown keys and keys in another case stay.
    {u"100% %", {}, {}, u"100% %"},
    {u"%foo %fileasx", {{1, u"A"}}, {}, u"%foo Ax"},
    {u"%FileAs", {{1, u"A"}}, {}, u"%FileAs"},
    // Empty brackets go; an uncovered space before or after them stays; two spaces become one.
    {u"(%nickname) %fileas", {{1, u"Doe"}}, {}, u" Doe"},
    {u"[%nickname]%fileas", {{1, u"Doe"}}, {}, u"Doe"},
    {u"%firstname  %lastname", {{kFirst, u"A"}, {kLast, u"B"}}, {}, u"A B"},
    // Comma, dash and slash before a line break in a value go; an escaped line break at the
    // end is not trimmed; a double line break or one followed by a space becomes one.
    {u"%homeaddressstreet", {{kHomeStreet, u"1 Main St,\nApt 2"}}, {}, u"1 Main St\nApt 2"},
    {u"%title", {{kTitle, u"a-\nb/\nc"}}, {}, u"a\nb\nc"},
    {u"%fileas\\n", {{1, u"A"}}, {}, u"A\n"},
    {u"A\\n\\nB", {}, {}, u"A\nB"},
    {u"A\\n B", {}, {}, u"A\nB"},
    // Unicode spaces are trimmed too.
    {u"\u2003%fileas\u00A0\t", {{1, u"Doe"}}, {}, u"Doe"},
    // Replaced text is seen by later keys, but not searched again for the same key.
    {u"%fileas", {{1, u"%company"}, {kCompany, u"X"}}, {}, u"X"},
    {u"%nickname", {{kNick, u"%nickname"}}, {}, u"%nickname"},
};

TEST(ExpandExpression, GivesTheExpectedTextForEveryCase) {
  for (const Case& c : kCases) {
    ContactListItem record(36);
    for (const auto& number : c.phones) record.phones.push_back(PhoneEntry{number, 0x0096001F});
    auto values = TableValues(c.fields);
    EXPECT_EQ(platform::ToUtf8(ExpandExpression(c.expression, record, ContactValues(values))),
              platform::ToUtf8(c.expected))
        << platform::ToUtf8(c.expression);
  }
}

// In the bulk form a key that was never requested stays as it is, and an address family that
// was not requested (here business) counts as absent when the family is chosen.
TEST(ExpandExpression, BulkFormKeepsUnrequestedKeysAndSkipsUnrequestedFamilies) {
  ContactExpressions expressions{u"%fileas", u"%homeaddresscity %homeaddressstreet", u"", u""};
  PropertyRequestList list(expressions, contact_test::kFavoriteId);
  ASSERT_LT(list.PositionOfRow(kNick), 0);
  ASSERT_LT(list.PositionOfRow(kBusinessStreet), 0);
  auto values = contact_test::BulkValues(list, {{1, u"Doe"}, {kNick, u"Jo"}, {kHomeCity, u"Rome"}});
  ContactListItem record(36);
  const ContactValues bulk(values, list);
  EXPECT_EQ(ExpandExpression(u"%nickname %fileas", record, bulk), u"%nickname Doe");
  EXPECT_EQ(ExpandExpression(u"%addresscity", record, bulk), u"Rome");
}

TEST(ExpandExpression, BoundsTheResultWhenValuesHoldKeys) {
  std::u16string file_as, company;
  for (int i = 0; i < 4000; ++i) file_as += u"%company";
  for (int i = 0; i < 2900; ++i) company += u"%department";
  auto values = TableValues({{1, file_as}, {kCompany, company}, {kDepartment, u"0123456789"}});
  ContactListItem record(36);
  std::u16string out = ExpandExpression(u"%fileas", record, ContactValues(values));
  EXPECT_LE(out.size(), kMaxExpandedLength);
  EXPECT_EQ(out.substr(0, 10), u"0123456789");
}

TEST(ExpandExpression, TrimsRepeatUntilNothingChanges) {
  struct TrimCase {
    std::u16string in, out;
  };
  for (const TrimCase& c : std::vector<TrimCase>{{u"-a-", u"a"},
                                                 {u"a, ", u"a"},
                                                 {u" ,-/a/-, ", u"a"},
                                                 {u"--//,, ", u""},
                                                 {u"a - b", u"a - b"},
                                                 {u"", u""}}) {
    std::u16string text = c.in;
    TrimExpressionEnds(text);
    EXPECT_EQ(text, c.out) << platform::ToUtf8(c.in);
  }
}

}  // namespace
