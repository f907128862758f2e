// Number forms, the address-to-contact rule and the choice of the number to text.
#include <gtest/gtest.h>

#include "SmsStoreFixture.h"
#include "contacts/PhoneNumberMatch.h"
#include "theme/SettingManager.h"

using sms_test::MakeContact;

TEST(PhoneNumberMatchTest, StripAndKeyKeepDigitsAndPlusAndTheLastEight) {
  EXPECT_EQ(StripNumber(u"+49 (171) 234-56.78 ext"), u"+491712345678");
  EXPECT_EQ(StripNumber(u"MyNetwork"), u"");
  // Digits of other scripts are not decimal digits of the number.
  EXPECT_EQ(StripNumber(u"\u0661\u0662 12"), u"12");
  EXPECT_EQ(NumberMatchKey(u"+49 171 2345678"), u"12345678");
  EXPECT_EQ(NumberMatchKey(u"1234567"), u"1234567");
  EXPECT_EQ(NumberMatchKey(u""), u"");
}

TEST(PhoneNumberMatchTest, ShortNumbersMustBeEqualLongOnesMayContainEachOther) {
  auto row = MakeContact(u"A", {u"112"});
  EXPECT_FALSE(MatchesNumber(*row, u"5112", false));  // three digits against four
  EXPECT_TRUE(MatchesNumber(*row, u"112", false));
  EXPECT_FALSE(MatchesNumber(*row, u"11", false));

  auto full = MakeContact(u"B", {u"01712345678"});
  EXPECT_TRUE(MatchesNumber(*full, u"+49 171 2345678", false));  // last eight digits
  EXPECT_TRUE(MatchesNumber(*full, u"2345678", false));          // contained, 7 digits
  EXPECT_TRUE(MatchesNumber(*full, u"5678", false));  // 4-digit address inside a long key
  EXPECT_FALSE(MatchesNumber(*full, u"678", false));  // address under 4: must be equal
  EXPECT_FALSE(MatchesNumber(*full, u"99345678", false));

  // A contact key under 7 characters never matches by containment.
  auto six = MakeContact(u"C", {u"345678"});
  EXPECT_FALSE(MatchesNumber(*six, u"12345678", false));
  EXPECT_TRUE(MatchesNumber(*six, u"345678", false));

  // A seven-character contact key is found inside an eight-character address.
  auto seven = MakeContact(u"D", {u"2345678"});
  EXPECT_TRUE(MatchesNumber(*seven, u"+4912345678", false));
}

TEST(PhoneNumberMatchTest, AddressWithoutDigitsMatchesOnlyWhenAllowed) {
  // An empty stored number next to a real one matches no service sender.
  EXPECT_FALSE(MatchesNumber(*MakeContact(u"A", {u"", u"0171 2345678"}), u"MyNetwork", false));
  EXPECT_FALSE(MatchesNumber(*MakeContact(u"E", {}), u"", true));  // no number at all
}

TEST(PhoneNumberMatchTest, SmsNumberIsTheMobileFieldOrAConfiguredPrefix) {
  auto& prefixes = theme::Settings().sms_prefixes;
  const auto saved = prefixes;
  prefixes = {u"+4917", u"017"};
  constexpr uint32_t kHome = 0x0097001F;
  EXPECT_TRUE(IsSmsNumber(PhoneEntry{u"030 1234", contacts::kMobilePhoneProperty}));
  EXPECT_TRUE(IsSmsNumber(PhoneEntry{u"0 17 1234", kHome}));  // stripped before the test
  EXPECT_TRUE(IsSmsNumber(PhoneEntry{u"+49 17 1234", kHome}));
  EXPECT_FALSE(IsSmsNumber(PhoneEntry{u"030 1234", kHome}));

  auto row = MakeContact(u"A", {});
  EXPECT_EQ(GetSmsNumber(*row), PhoneEntry{});
  row->phones = {{u"030 1", kHome}, {u"0171 2", kHome}, {u"0172 3", kHome}};
  EXPECT_EQ(GetSmsNumber(*row).number, u"0171 2");  // first prefixed number
  row->phones.push_back({u"0160 4", contacts::kMobilePhoneProperty});
  EXPECT_EQ(GetSmsNumber(*row).number, u"0160 4");  // the mobile field comes first
  row->phones = {{u"030 1", kHome}};
  EXPECT_EQ(GetSmsNumber(*row), PhoneEntry{});
  prefixes = saved;
}
