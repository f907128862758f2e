// The number index must find exactly the row the literal walk finds.
#include <gtest/gtest.h>

#include <random>

#include "SmsStoreFixture.h"
#include "contacts/PhoneNumberMatch.h"
#include "messaging/SmsNumberIndex.h"

namespace {

// Numbers drawn from a small alphabet and short lengths so that keys often share digits,
// with separators, "+" and empty numbers mixed in.
std::u16string RandomNumber(std::mt19937& dice) {
  static constexpr char16_t kChars[] = u"0123+  -()x";
  const size_t length = dice() % 14;
  std::u16string out;
  for (size_t i = 0; i < length; ++i) {
    // Mostly digits from a narrow range.
    out.push_back(dice() % 4 == 0 ? kChars[dice() % 11] : static_cast<char16_t>(u'0' + dice() % 3));
  }
  return out;
}

}  // namespace

TEST(SmsNumberIndexTest, FindsTheSameFirstRowAsTheLiteralWalk) {
  std::mt19937 dice(20261206);
  for (int round = 0; round < 40; ++round) {
    std::vector<std::unique_ptr<ContactListItem>> rows;
    std::vector<bool> pseudo;
    SmsNumberIndex index;
    const int count = 1 + static_cast<int>(dice() % 60);
    for (int i = 0; i < count; ++i) {
      std::vector<std::u16string> numbers;
      for (uint32_t n = dice() % 4; n > 0; --n) numbers.push_back(RandomNumber(dice));
      rows.push_back(sms_test::MakeContact(u"R", numbers));
      pseudo.push_back(dice() % 5 == 0);
      index.Add(rows.back().get(), pseudo.back());
    }
    for (int q = 0; q < 300; ++q) {
      const std::u16string address = RandomNumber(dice);
      ContactListItem* expected = nullptr;
      for (size_t i = 0; i < rows.size() && !expected; ++i) {
        if (MatchesNumber(*rows[i], address, pseudo[i])) expected = rows[i].get();
      }
      ASSERT_EQ(index.Find(address), expected) << "round " << round << " query " << q;
    }
  }
}
