// The bulk-read request list: fixed part, favourite position, keys found in the expressions.
#include "contacts/PropertyRequestList.h"

#include <gtest/gtest.h>

#include "ContactTestValues.h"

namespace {

const ContactExpressions kDefaults{
    u"%fileas", u"%phone (%company)", u"%fileas",
    u"%addressstreet\\n%addresscity %addresspostalcode\\n%addressstate\\n%addresscountry"};

TEST(PropertyRequestList, DefaultThemeAsksForTheFixedPartThenTheExpressionKeys) {
  PropertyRequestList list(kDefaults, contact_test::kFavoriteId);
  // clang-format off
  const std::vector<uint32_t> expected = {
      0x10000066, 0x0080001F,                                                  // id, file-as
      0x0096001F, 0x0097001F, 0x0098001F, 0x0099001F, 0x009A001F, 0x009B001F,  // phones, faxes
      0x009C001F, 0x009D001F, 0x009E001F, 0x009F001F, 0x00A0001F, 0x00A1001F,
      0x0090001F, 0x0091001F, 0x0092001F,                                      // e-mails
      contact_test::kFavoriteId,                                               // favourite
      0x008A001F,                                                              // %company
      0x00C1001F, 0x00D1001F, 0x00E1001F,  // %addressstreet: business, home, other
      0x00C2001F, 0x00D2001F, 0x00E2001F,  // %addresscity
      0x00C3001F, 0x00D3001F, 0x00E3001F,  // %addressstate
      0x00C4001F, 0x00D4001F, 0x00E4001F,  // %addresspostalcode
      0x00C5001F, 0x00D5001F, 0x00E5001F,  // %addresscountry
      0x10C0001F, 0x10D0001F, 0x10E0001F,  // %address (a substring of the others)
      0x101D001F,                          // %categories
  };
  // clang-format on
  EXPECT_EQ(list.Ids(), expected);
  EXPECT_EQ(list.PositionOfRow(contacts::kRowFavorite), PropertyRequestList::kFavoriteIndex);
  EXPECT_EQ(list.PositionOfRow(contacts::kRowObjectId), 0);
  EXPECT_EQ(list.PositionOfRow(7), -1);  // nickname
}

TEST(PropertyRequestList, FindsKeysBySubstringInTableOrderWithoutDuplicates) {
  ContactExpressions e{u"%lastname %nickname", u"%email2", u"%homephone2%nickname", u""};
  PropertyRequestList list(e, contact_test::kFavoriteId);
  const auto& ids = list.Ids();
  ASSERT_GT(ids.size(), 19u);
  // Last name (via "%lastname") comes before nickname: table order, not expression order.
  EXPECT_EQ(ids[18], 0x0084001Fu);
  EXPECT_EQ(ids[19], 0x0086001Fu);
  for (uint32_t id : ids) {
    EXPECT_EQ(std::count(ids.begin(), ids.end(), id), 1) << std::hex << id;
  }
  EXPECT_GE(list.PositionOfRow(5), 0);
}

TEST(PropertyRequestList, GlobalListIsBuiltOnceAndNeverExtended) {
  const PropertyRequestList& first = PropertyRequestList::Global(kDefaults, 1);
  ContactExpressions changed = kDefaults;
  changed.header = u"%nickname";
  const PropertyRequestList& second = PropertyRequestList::Global(changed, 2);
  EXPECT_EQ(&first, &second);
  EXPECT_EQ(second.PositionOfRow(7), -1);
}

}  // namespace
