// Expansion of formatting expressions: every key rule, the address family, "%phone", the end
// trims and the clean-up, in both value layouts.
#include "contacts/ExpandExpression.h"

#include <gtest/gtest.h>

#include <cctype>

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
  const char* name;
  std::u16string expression;
  std::vector<Field> fields;
  std::vector<std::u16string> phones;  // priority order reversed: the last is preferred
  std::u16string expected;
};

std::u16string Expand(const Case& c) {
  ContactListItem record(36);
  for (const auto& number : c.phones) record.phones.push_back(PhoneEntry{number, 0x0096001F});
  auto values = TableValues(c.fields);
  return ExpandExpression(c.expression, record, ContactValues(values));
}

const Case kCases[] = {
    {"phone and company",
     u"%phone (%company)",
     {{kCompany, u"Acme"}},
     {u"555 1234"},
     u"555 1234 (Acme)"},
    {"phone without company keeps one space", u"%phone (%company)", {}, {u"555"}, u"555 "},
    {"company without phone", u"%phone (%company)", {{kCompany, u"Acme"}}, {}, u"(Acme)"},
    {"neither phone nor company", u"%phone (%company)", {}, {}, u""},
    {"preferred number is the last entry", u"%phone", {}, {u"111", u"222"}, u"222"},
    {"email2 empty is not email followed by 2", u"%email2", {{kEmail, u"a@x.org"}}, {}, u""},
    {"email and email2", u"%email/%email2", {{kEmail, u"a@x"}, {kEmail2, u"b@y"}}, {}, u"a@x/b@y"},
    {"companyphone is never company name",
     u"%companyphone",
     {{kCompany, u"Acme"}, {kCompanyPhone, u"777"}},
     {},
     u"777"},
    {"companyphone absent", u"%companyphone", {{kCompany, u"Acme"}}, {}, u""},
    {"trailing comma and space removed",
     u"%fileas, %jobtitle",
     {{1, u"Doe, John"}},
     {},
     u"Doe, John"},
    {"job title kept",
     u"%fileas, %jobtitle",
     {{1, u"Doe, John"}, {kJob, u"CEO"}},
     {},
     u"Doe, John, CEO"},
    {"leading separators removed repeatedly", u"%jobtitle, - %fileas", {{1, u"Doe"}}, {}, u"Doe"},
    {"default detail with no address", kDefaultDetail, {}, {}, u"\n\n"},
    {"default detail with a home address",
     kDefaultDetail,
     {{kHomeStreet, u"1 Main St"}, {kHomeCity, u"Springfield"}, {kHomePostal, u"12345"}},
     {},
     u"1 Main St\nSpringfield 12345\n"},
    {"business city wins over home street",
     u"%addressstreet|%addresscity",
     {{kHomeStreet, u"1 Main St"}, {kBusinessCity, u"Paris"}},
     {},
     u"|Paris"},
    {"home family when business is empty", u"%addresscity", {{kHomeCity, u"Rome"}}, {}, u"Rome"},
    {"other family as the last resort", u"%addresscity", {{kOtherCity, u"Oslo"}}, {}, u"Oslo"},
    {"other family ignored when business street present",
     u"%addresscity",
     {{kBusinessStreet, u"Rue 1"}, {kOtherCity, u"Oslo"}},
     {},
     u""},
    {"whole address after its parts",
     u"%address",
     {{kOtherAddress, u"Somewhere"}},
     {},
     u"Somewhere"},
    {"name and lastname are the last name", u"%name/%lastname", {{kLast, u"Doe"}}, {}, u"Doe/Doe"},
    {"lone percent stays", u"100% %", {}, {}, u"100% %"},
    {"unknown key stays", u"%foo %fileasx", {{1, u"A"}}, {}, u"%foo Ax"},
    {"keys are case-sensitive", u"%FileAs", {{1, u"A"}}, {}, u"%FileAs"},
    {"uncovered space before removed parentheses stays",
     u"%fileas (%nickname)",
     {{1, u"Doe"}},
     {},
     u"Doe "},
    {"leading uncovered space stays", u"(%nickname) %fileas", {{1, u"Doe"}}, {}, u" Doe"},
    {"square brackets removed", u"[%nickname]%fileas", {{1, u"Doe"}}, {}, u"Doe"},
    {"two spaces become one",
     u"%firstname  %lastname",
     {{kFirst, u"A"}, {kLast, u"B"}},
     {},
     u"A B"},
    {"comma before a line break in a value",
     u"%homeaddressstreet",
     {{kHomeStreet, u"1 Main St,\nApt 2"}},
     {},
     u"1 Main St\nApt 2"},
    {"dash and slash before a line break", u"%title", {{kTitle, u"a-\nb/\nc"}}, {}, u"a\nb\nc"},
    {"escaped line break is not trimmed", u"%fileas\\n", {{1, u"A"}}, {}, u"A\n"},
    {"double line break becomes one", u"A\\n\\nB", {}, {}, u"A\nB"},
    {"line break then space", u"A\\n B", {}, {}, u"A\nB"},
    {"unicode spaces are trimmed", u"\u2003%fileas\u00A0\t", {{1, u"Doe"}}, {}, u"Doe"},
    {"replaced text is seen by later keys",
     u"%fileas",
     {{1, u"%company"}, {kCompany, u"X"}},
     {},
     u"X"},
    {"replaced text is not searched again for the same key",
     u"%nickname",
     {{kNick, u"%nickname"}},
     {},
     u"%nickname"},
    {"department after company",
     u"%company %department",
     {{kCompany, u"Acme"}, {kDepartment, u"R&D"}},
     {},
     u"Acme R&D"},
};

class ExpandExpressionCases : public testing::TestWithParam<Case> {};

TEST_P(ExpandExpressionCases, GivesTheDocumentedText) {
  EXPECT_EQ(platform::ToUtf8(Expand(GetParam())), platform::ToUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Table, ExpandExpressionCases, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<Case>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p; ++p) {
                             name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                           }
                           return name;
                         });

TEST(ExpandExpression, KeepsKeysThatWereNeverRequestedInTheBulkForm) {
  ContactExpressions expressions{u"%fileas", u"%phone", u"%fileas", u""};
  PropertyRequestList list(expressions, contact_test::kFavoriteId);
  auto values = contact_test::BulkValues(list, {{1, u"Doe"}, {kNick, u"Jo"}});
  ContactListItem record(36);
  EXPECT_EQ(ExpandExpression(u"%nickname %fileas", record, ContactValues(values, list)),
            u"%nickname Doe");
}

TEST(ExpandExpression, TreatsUnrequestedAddressPartsAsAbsentWhenChoosingTheFamily) {
  // Only the home family's properties are requested: business counts as absent.
  ContactExpressions expressions{u"%homeaddresscity %homeaddressstreet", u"", u"", u""};
  PropertyRequestList list(expressions, contact_test::kFavoriteId);
  ASSERT_LT(list.PositionOfRow(kBusinessStreet), 0);
  auto values = contact_test::BulkValues(list, {{kHomeCity, u"Rome"}});
  ContactListItem record(36);
  // "%addresscity" was requested for every family by the list's own "%addresscity".
  EXPECT_EQ(ExpandExpression(u"%addresscity", record, ContactValues(values, list)), u"Rome");
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

TEST(ExpandExpression, ReplaceAllIsOneNonOverlappingPass) {
  std::u16string text = u"aaaa";
  ReplaceAll(text, u"aa", u"a");
  EXPECT_EQ(text, u"aa");
  text = u"xyx";
  ReplaceAll(text, u"x", u"xx");
  EXPECT_EQ(text, u"xxyxx");
}

}  // namespace
