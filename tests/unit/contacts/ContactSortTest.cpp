// The contact list's order: rows with an empty text first by order value, then by text
// without case (accents counting only between otherwise equal texts, hyphens and apostrophes
// not at all), the letter a row is filed under, and the keyed sort of the list agreeing with
// the row comparison, including when a batch is merged in.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <set>

#include "contacts/CompareRows.h"
#include "contacts/SortKeyCache.h"
#include "toolkit/SeparatorItem.h"

namespace {

std::unique_ptr<BaseItem> Row(std::u16string text, int32_t order = 0) {
  auto row = std::make_unique<SeparatorItem>(u'x', 10);
  row->text = std::move(text);
  row->order_value = order;
  return row;
}

struct OrderCase {
  std::u16string a;
  std::u16string b;
  bool a_first;
  bool b_first;
};

TEST(ContactSortTest, TextOrderIgnoresCaseHyphensApostrophesAndRanksAccentsAfterLetters) {
  const OrderCase cases[] = {
      {u"ADAM", u"BOB", true, false},
      {u"adam", u"BOB", true, false},
      {u"abc", u"ABC", false, false},  // equal without case: either order
      {u"ECOLE", u"ÉCOLE", true, false},
      {u"ÉCOLE", u"ECOLF", true, false},  // the accent matters less than the next letter
      {u"ZOE", u"ZOË", true, false},
      {u"ÄRGER", u"BAUM", true, false},
      {u"#", u"1ST", true, false},
      {u"9", u"A", true, false},
      {u"MA", u"M", false, true},
      {u"LE-ROY", u"LEBLANC", false, true},  // hyphens and apostrophes do not count
      {u"LE-ROY", u"LEROY", false, false},
      {u"O'BRIEN", u"OBAMA", false, true},
      {u"O'BRIEN", u"OZ", true, false},
  };
  for (const OrderCase& c : cases) {
    auto a = Row(c.a);
    auto b = Row(c.b);
    EXPECT_EQ(CompareRows(a.get(), b.get()), c.a_first) << std::string(c.a.begin(), c.a.end());
    EXPECT_EQ(CompareRows(b.get(), a.get()), c.b_first) << std::string(c.b.begin(), c.b.end());
    EXPECT_EQ(RowSortKey(c.a) < RowSortKey(c.b), c.a_first);
    EXPECT_EQ(RowSortKey(c.b) < RowSortKey(c.a), c.b_first);
  }
}

// A row is filed under the letter it sorts by: what the comparison skips is skipped here too.
TEST(ContactSortTest, IndexLetterIsTheFirstComparedCharacter) {
  const std::pair<std::u16string, char16_t> cases[] = {
      {u"'T HOOFT", u'T'}, {u"-ANA", u'A'}, {u"\u00c9MILE", u'\u00c9'},
      {u"1ST", u'#'},      {u"'1", u'#'},   {u"", u' '}};
  for (const auto& [text, letter] : cases) {
    EXPECT_EQ(IndexLetter(text), letter) << std::string(text.begin(), text.end());
  }
  // Among the index letters a row goes under the one it equals but for accents.
  const std::u16string_view letters = u"#ABCDEFGHIJKLMNOPQRSTUVWXYZ";
  const std::pair<std::u16string, char16_t> filed[] = {{u"\u010cERN\u00dd", u'C'},
                                                       {u"\u00d8STER", u'O'},
                                                       {u"\u0141UKASZ", u'L'},
                                                       {u"\u00c9MILE", u'E'},
                                                       {u"'T HOOFT", u'T'},
                                                       {u"42", u'#'},
                                                       {u"\u00df", 0},
                                                       {u"\u03a9MEGA", 0}};
  for (const auto& [text, letter] : filed) {
    EXPECT_EQ(IndexLetterIn(text, letters), letter) << std::string(text.begin(), text.end());
  }
}

TEST(ContactSortTest, EmptyTextsComeFirstByOrderValueThenAddress) {
  auto header = Row(u"", 0x0FFFFFFF);
  auto sms = Row(u"", 100);
  auto new_contact = Row(u"", 0);
  auto anna = Row(u"ANNA");
  EXPECT_TRUE(CompareRows(header.get(), sms.get()));
  EXPECT_TRUE(CompareRows(sms.get(), new_contact.get()));
  EXPECT_TRUE(CompareRows(new_contact.get(), anna.get()));
  EXPECT_FALSE(CompareRows(anna.get(), new_contact.get()));
  auto other = Row(u"", 0);
  EXPECT_NE(CompareRows(new_contact.get(), other.get()),
            CompareRows(other.get(), new_contact.get()));

  struct Plain : IListItem {
    char16_t GetIndexChar() const override { return u' '; }
  } plain;
  EXPECT_FALSE(CompareRows(&plain, anna.get()));
  EXPECT_FALSE(CompareRows(anna.get(), &plain));
}

// The keyed sort puts every row where CompareRows allows, whether it sorts all rows at once
// or merges a batch appended to sorted rows, and recomputes the key of a changed text.
TEST(ContactSortTest, KeyedSortAgreesWithCompareRows) {
  const std::u16string names[] = {u"ÉMILE", u"emma", u"ZOË", u"zoe", u"Åsa",   u"ASA",
                                  u"bob",   u"BÖB",  u"",    u"1ST", u"ÇA VA", u"CAROL"};
  std::vector<std::unique_ptr<BaseItem>> owned;
  std::mt19937 random(7);
  for (int i = 0; i < 300; ++i) {
    const std::u16string& name = names[random() % std::size(names)];
    owned.push_back(Row(name + (name.empty() ? u"" : std::u16string(1, u'A' + i % 5)),
                        static_cast<int32_t>(random() % 3)));
  }
  std::vector<IListItem*> rows;
  for (auto& row : owned) rows.push_back(row.get());
  SortKeyCache keys;
  auto check = [&](const char* step) {
    for (size_t i = 1; i < rows.size(); ++i) {
      EXPECT_FALSE(CompareRows(rows[i], rows[i - 1])) << step << " at " << i;
    }
  };
  rows.resize(150);
  keys.Sort(rows);
  check("first half");
  for (size_t i = 150; i < owned.size(); ++i) rows.push_back(owned[i].get());
  keys.Sort(rows);  // the second half is sorted and merged in
  check("merged");
  // Every row once: the merge neither drops nor repeats a row.
  ASSERT_EQ(rows.size(), owned.size());
  ASSERT_EQ(std::set<IListItem*>(rows.begin(), rows.end()).size(), owned.size());
  owned[0]->text = u"ZZZZZ";  // a refilled row: its key is recomputed
  keys.Sort(rows);
  check("changed");
  EXPECT_EQ(rows.back(), owned[0].get());
}

}  // namespace
