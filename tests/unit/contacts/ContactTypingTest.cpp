// Typing on the contact list, on the virtual clock: a character after a pause jumps, further
// characters within four seconds narrow the list with a letters filter, and phone-pad keys
// always filter.
#include <gtest/gtest.h>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/LettersFilterItem.h"
#include "platform/Clock.h"
#include "platform/Messages.h"
#include "platform/Text.h"

namespace {

constexpr int32_t kRow = 40;

class ContactTypingTest : public testing::Test {
 protected:
  void SetUp() override {
    platform::Clock::UseVirtual(100000);
    list_ = std::make_unique<ContactSmartListControl>(nullptr, RECT{16, 0, 240, 200});
    for (const char16_t* name :
         {u"Aaron", u"Anna", u"Bert", u"Carl", u"Dora", u"Emma", u"Fritz", u"Gus", u"Hal", u"Mabel",
          u"Mark", u"Nina", u"Otto", u"Paul", u"Tom", u"Zed", u"42 Club"}) {
      auto row = std::make_unique<ContactListItem>(kRow);
      row->display_name = name;
      row->text = platform::ToUpper(name);
      row->object_id = static_cast<uint32_t>(list_->GetItemCount() + 1);
      list_->AddItem(std::move(row));
    }
    list_->Resort();
  }
  void TearDown() override { platform::Clock::UseReal(); }

  void Type(char16_t c) { list_->OnKey(0, c); }
  void Back() { list_->OnKey(VK_BACK, 0); }
  // The displayed contacts' names.
  std::vector<std::u16string> Shown() {
    std::vector<std::u16string> names;
    for (size_t i = 0; i < list_->DisplayedCount(); ++i) {
      if (auto* c = dynamic_cast<ContactListItem*>(list_->DisplayedItem(i))) {
        names.push_back(c->display_name);
      }
    }
    return names;
  }
  // The letters filter's text; "-" without a letters filter.
  std::u16string FilterText() {
    auto* letters = dynamic_cast<LettersFilterItem*>(list_->Filter());
    return letters ? letters->GetText() : u"-";
  }
  // Index of the displayed row named `name`.
  int32_t TopOf(const std::u16string& name) {
    int32_t y = 0;
    for (size_t i = 0; i < list_->DisplayedCount(); ++i) {
      auto* c = dynamic_cast<ContactListItem*>(list_->DisplayedItem(i));
      if (c && c->display_name == name) return y;
      y += list_->DisplayedItem(i)->height;
    }
    return -1;
  }

  std::unique_ptr<ContactSmartListControl> list_;
};

TEST_F(ContactTypingTest, LetterAfterAPauseJumpsThenTheNextOneFilters) {
  Type(u'm');
  EXPECT_EQ(list_->ScrollOffset(), TopOf(u"Mabel"));

  platform::Clock::Advance(1000);
  Type(u'a');
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"Emma", u"Mabel", u"Mark"}));
  EXPECT_EQ(list_->ScrollOffset(), 0);

  platform::Clock::Advance(3000);
  Type(u'r');
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"Mark"}));

  // After a pause a letter starts afresh: a new filter replaces the set one.
  platform::Clock::Advance(4001);
  Type(u'o');
  EXPECT_EQ(FilterText(), u"o");
  EXPECT_EQ(Shown(), (std::vector<std::u16string>{u"Aaron", u"Dora", u"Otto", u"Tom"}));
}

TEST_F(ContactTypingTest, JumpPastEveryRowGoesToTheEndAndPhonePadKeysAlwaysFilter) {
  Type(u'ω');  // Greek sorts after every Latin name: to the end
  EXPECT_EQ(list_->ScrollOffset(), list_->MaxScrollOffset());

  platform::Clock::Advance(5000);
  list_->OnKey(ContactSmartListControl::kKeyPhonePad, u'6');
  EXPECT_EQ(FilterText(), u"6");
  for (const std::u16string& name : Shown()) {
    EXPECT_TRUE(name[0] == u'M' || name[0] == u'N' || name[0] == u'O' ||
                name.find(u' ') != std::u16string::npos)
        << std::string(name.begin(), name.end());
  }
}

TEST_F(ContactTypingTest, IndexJumpKeyNeverStartsAFilter) {
  list_->OnKey(ContactSmartListControl::kKeyJump, u'N');
  EXPECT_EQ(list_->ScrollOffset(), std::min(TopOf(u"Nina"), list_->MaxScrollOffset()));
  platform::Clock::Advance(100);
  Type(u'i');  // within 4 s but the jump recorded no letter: the filter holds "i" alone
  EXPECT_EQ(FilterText(), u"i");
}

}  // namespace
