// The letters filter behind the contact list's typing and the phone-pad word-start match it
// uses, with the theme's default phone-pad groups (2 = "abc2", 3 = "deféèê3", ...).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FilterTestRows.h"
#include "contacts/LettersFilterItem.h"
#include "contacts/NewContactListItem.h"
#include "contacts/PhonePadMatch.h"
#include "platform/Text.h"
#include "theme/KeyGroupMap.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"

namespace {

using filter_test::MakeContact;

// The theme's default letter map.
theme::KeyGroupMap DefaultGroups() {
  theme::KeyGroupMap groups;
#define QB_ADD_GROUP(character, letters, label) groups.Add(character, platform::FromUtf8(letters));
  QB_DEFAULT_KEY_GROUPS(QB_ADD_GROUP)
#undef QB_ADD_GROUP
  return groups;
}

class LettersFilterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = theme::Settings().phonepad_keys;
    theme::Settings().phonepad_keys = DefaultGroups();
  }
  void TearDown() override { theme::Settings().phonepad_keys = saved_; }

 private:
  theme::KeyGroupMap saved_;
};

TEST(PhonePadMatch, MatchesKeysAtWordStarts) {
  const theme::KeyGroupMap groups = DefaultGroups();
  struct Case {
    std::u16string name;
    std::u16string keys;
    bool expected;
  };
  const Case cases[] = {
      {u"adele", u"23", true},          // a then d
      {u"bob dylan", u"23", false},     // "bo", "dy": no word starts with [abc][deféèê]
      {u"carl bexley", u"23", true},    // second word
      {u"cécile", u"23", true},         // é stands for 3
      {u"zoe a", u"23", true},          // name ends after the first key
      {u"zoe a", u"234", true},         // ...however many keys remain
      {u"zoe ab", u"23", false},        // b is not in 3's group
      {u"jean-claude", u"25", true},    // word after "-"
      {u"o'brien", u"27", true},        // word after an apostrophe
      {u"st.clair", u"25", false},      // a dot starts no word
      {u"smith,claire", u"25", false},  // nor a comma
      {u"x2y", u"2", false},            // a digit inside a word
      {u"2pac", u"27", true},           // the key character itself is in its group
      {u"ann", u"", false},
      {u"ann", u"x2", false},  // x is no key
      {u"", u"2", false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PhonePadMatch(c.name, c.keys, groups), c.expected)
        << platform::ToUtf8(c.name) << " / " << platform::ToUtf8(c.keys);
  }
}

TEST_F(LettersFilterTest, AcceptsByNameNumberOrPhonePad) {
  std::vector<std::unique_ptr<IListItem>> rows;
  rows.push_back(MakeContact({.name = u"Zoe A"}));                             // 0
  rows.push_back(MakeContact({.name = u"Bob Dylan"}));                         // 1
  rows.push_back(MakeContact({.name = u"Xena", .numbers = {u"+33 (6) 12"}}));  // 2
  rows.push_back(MakeContact({.name = u"Room 23"}));                           // 3
  rows.push_back(MakeContact({.name = u"Yves", .numbers = {u"555"}}));         // 4
  rows.push_back(MakeContact({.name = u"ÉDOUARD"}));                           // 5
  rows.push_back(MakeContact({.name = u"Mr.Bean"}));                           // 6
  rows.push_back(MakeContact({.name = u"Ray O'Doyle"}));                       // 7
  rows.push_back(std::make_unique<NewContactListItem>(u"New Contact", 36));    // 8
  rows.push_back(std::make_unique<SeparatorItem>(u'B', 20));                   // 9

  struct Case {
    std::u16string typed;
    std::vector<size_t> expected;
  };
  const Case cases[] = {
      // Words starting with a, b or c ("Contact" of the new-contact row too), "2" in a name
      // or in a stripped number ("+33 (6) 12" strips to "+33612"). "Mr.Bean": the word after
      // a dot is no word start.
      {u"2", {0, 1, 2, 3, 8}},
      // "Zoe A" ends before the second key; "Room 23" contains the text.
      {u"23", {0, 3}},
      {u"+33", {2}},
      {u"33 ", {}},
      // Upper-case typing matches lower-case names.
      {u"DYL", {1}},
      // Words starting with d, e, f, é, è, ê or 3, after a space or an apostrophe.
      {u"3", {1, 2, 3, 5, 7}},
      // An accented capital lower-cases into its key's group: "ÉDouard" is 3-3.
      {u"33", {2, 5}},
      {u"36", {2, 7}},
      {u"bean", {6}},
      // The new-contact row matches by its display name.
      {u"new", {8}},
      {u"", {0, 1, 2, 3, 4, 5, 6, 7, 8}},
  };
  for (const Case& c : cases) {
    LettersFilterItem filter(c.typed);
    std::vector<size_t> accepted;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (filter.Accept(*rows[i])) accepted.push_back(i);
    }
    EXPECT_EQ(accepted, c.expected) << platform::ToUtf8(c.typed);
  }
}

TEST_F(LettersFilterTest, TextIsEditedInLowerCaseAndBounded) {
  LettersFilterItem filter;
  EXPECT_FALSE(filter.RemoveLastChar());
  for (char16_t c : std::u16string_view(u"AÉ2")) EXPECT_TRUE(filter.AppendChar(c));
  EXPECT_EQ(filter.GetText(), u"aé2");
  EXPECT_TRUE(filter.RemoveLastChar());
  EXPECT_EQ(filter.GetText(), u"aé");

  auto row = MakeContact({.name = u"RENÉ AÉRO"});
  EXPECT_TRUE(filter.Accept(*row));
  EXPECT_EQ(filter.GetText(), u"aé");  // judging rows changes nothing

  LettersFilterItem full(std::u16string(LettersFilterItem::kMaxTextLength + 5, u'7'));
  EXPECT_EQ(full.GetText().size(), LettersFilterItem::kMaxTextLength);
  EXPECT_FALSE(full.AppendChar(u'8'));
  EXPECT_EQ(full.GetText().size(), LettersFilterItem::kMaxTextLength);
}

TEST_F(LettersFilterTest, UsesThePhonePadGroupsOfTheThemeItWasMadeWith) {
  auto row = MakeContact({.name = u"Quentin"});
  theme::Settings().phonepad_keys.Parse(u"1q", true);
  LettersFilterItem custom(u"1");
  theme::Settings().phonepad_keys = DefaultGroups();
  LettersFilterItem standard(u"1");
  EXPECT_TRUE(custom.Accept(*row));
  EXPECT_FALSE(standard.Accept(*row));
}

}  // namespace
