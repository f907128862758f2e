// UTF-16 helpers: conversions at the edges, case, classes and collation.
#include "platform/Text.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Text, Utf8RoundTripKeepsSurrogatePairsAndWindows1252MapsTheHighRange) {
  std::string s = "Zoë \xF0\x9F\x98\x80 Łódź";
  std::u16string u = FromUtf8(s);
  EXPECT_EQ(u[2], u'ë');
  EXPECT_EQ(ToUtf8(u), s);
  EXPECT_EQ(FromUtf8("\xFF\x61"), (std::u16string{u'\xFFFD', u'a'}));
  EXPECT_EQ(ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(FromWindows1252("\x80\xE9\x9F"), std::u16string(u"\x20AC\x00E9\x0178"));
}

TEST(Text, CaseClassesAndCollationThatOrdersAccentsNearTheirLetter) {
  EXPECT_EQ(ToUpper(u"éa1"), u"ÉA1");
  EXPECT_TRUE(IsSpaceUnit(u'\x2003'));
  EXPECT_TRUE(IsDigitUnit(u'7'));
  EXPECT_FALSE(IsAlphaUnit(u'7'));
  EXPECT_EQ(Trim(u"\x2003 ab \t"), u"ab");
  EXPECT_EQ(CompareNoCase(u"anne", u"ANNE"), 0);
  EXPECT_LT(CompareCollated(u"Émile", u"Fabrice"), 0);
  EXPECT_GT(CompareCollated(u"Émile", u"Dora"), 0);
  EXPECT_LT(CollationKey(u"Émile"), CollationKey(u"Fabrice"));
  EXPECT_LT(CompareOrdinalNoCase(u"abc", u"ABD"), 0);
}
