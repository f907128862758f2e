// Loading the contact list from the cache file and the store of a temporary device profile,
// and keeping it in step with the store's change notifications afterwards.
#include <gtest/gtest.h>

#include "contacts/ContactLoader.h"
#include "contacts/LettersFilterItem.h"
#include "unit/contacts/ContactListFixture.h"

namespace {

using Texts = std::vector<std::u16string>;

class ContactLoaderTest : public ContactListFixture {
 protected:
  // The master rows. The two SMS separators share an order value, so which comes first
  // follows their addresses; they are listed unread first here whatever the allocator did.
  static Texts MasterRows(ContactSmartListControl& list) {
    Texts rows = Rows(list.MasterItems());
    if (rows.size() >= 2 && rows[0] == u"[Read SMS]0") std::swap(rows[0], rows[1]);
    return rows;
  }
};

// Sorted contacts behind the fixed rows, with a separator per index letter; accented capitals
// go under their letter.
TEST_F(ContactLoaderTest, StorePhaseListsSortedContactsBehindTheFixedRowsWithSeparators) {
  theme::Settings().separator_item_height = 20;
  for (const char16_t* name :
       {u"Zoë", u"adam", u"Émile", u"Alf", u"1st Aid", u"9 Lives", u"Ülrich"}) {
    Add(name);
  }
  Add(u"No Number", u"");  // hidden: the theme hides contacts without a number
  auto list = MakeList();
  FullLoad(*list);
  std::lock_guard lock(list->ListLock());
  EXPECT_EQ(MasterRows(*list), (Texts{u"[Unread SMS]0", u"[Read SMS]0", u"<New Contact...>", u"[#]",
                                      u"1st Aid", u"9 Lives", u"[A]", u"adam", u"Alf", u"[E]",
                                      u"Émile", u"[U]", u"Ülrich", u"[Z]", u"Zoë"}));
  EXPECT_EQ(list->EmptyText(), kNoContactText);
}

TEST_F(ContactLoaderTest, CachePhaseListsAtOnceTheStorePhaseConfirms) {
  const uint32_t anna = Add(u"Anna");
  const uint32_t bert = Add(u"Bert");
  const uint32_t carl = Add(u"Carl");
  {
    auto first = MakeList();
    FullLoad(*first);
  }
  // While the program is closed: Bert is deleted, Carl renamed, Dora added.
  Delete(bert);
  Rename(carl, u"Aaron");
  Add(u"Dora");

  auto list = MakeList();
  LoadCachePhase(*list);
  EXPECT_EQ(Contacts(*list), (Texts{u"Anna", u"Bert", u"Carl"}));
  {
    std::lock_guard lock(list->ListLock());
    EXPECT_FALSE(list->FindContactByObjectId(anna)->shown);  // not yet confirmed
  }
  list->NotifyLayoutReady();
  list->WaitForLoading();
  EXPECT_EQ(Contacts(*list), (Texts{u"Aaron", u"Anna", u"Dora"}));
  EXPECT_EQ(list->FindContactByObjectId(bert), nullptr);
  EXPECT_EQ(list->RetiredRowCount(), 1u);  // Bert's cached row, kept until released
  list->ReleaseRetiredRows();
  EXPECT_EQ(list->RetiredRowCount(), 0u);
}

// The cache phase runs before the theme is loaded (no separator height yet); the store phase
// then gives the confirmed rows their separators, and a contact added while the program runs
// gets its letter's separator at once, never a second one.
TEST_F(ContactLoaderTest, SeparatorsAfterALateThemeAndForContactsAddedLive) {
  theme::Settings().separator_item_height = 20;
  Add(u"Anna");
  Add(u"Bert");
  {
    auto first = MakeList();
    FullLoad(*first);
  }
  theme::Settings().separator_item_height = 0;
  auto list = MakeList();
  LoadCachePhase(*list);
  theme::Settings().separator_item_height = 20;
  list->NotifyLayoutReady();
  list->WaitForLoading();
  list->OnContactChanged(Add(u"Carl"));
  list->OnContactChanged(Add(u"Alice"));
  std::lock_guard lock(list->ListLock());
  EXPECT_EQ(MasterRows(*list), (Texts{u"[Unread SMS]0", u"[Read SMS]0", u"<New Contact...>", u"[A]",
                                      u"Alice", u"Anna", u"[B]", u"Bert", u"[C]", u"Carl"}));
}

TEST_F(ContactLoaderTest, NoSeparatorsWithHeightZeroOrOneOrEmptyIndexLetters) {
  Add(u"Anna");
  const std::u16string letters = theme::Settings().index_letters;
  struct Case {
    int32_t height;
    std::u16string letters;
  };
  for (const Case& c : {Case{0, letters}, Case{1, letters}, Case{20, u""}}) {
    theme::Settings().separator_item_height = c.height;
    theme::Settings().index_letters = c.letters;
    auto list = MakeList();
    FullLoad(*list);
    std::lock_guard lock(list->ListLock());
    EXPECT_EQ(list->GetItemCount(), 4u) << c.height;
  }
  theme::Settings().index_letters = letters;
}

TEST_F(ContactLoaderTest, NotificationsAddRefillAndRemoveRows) {
  const uint32_t anna = Add(u"Anna");
  auto list = MakeList();
  FullLoad(*list);

  const uint32_t zed = Add(u"Zed");
  list->OnContactChanged(zed);
  list->OnContactChanged(zed);  // a second notification must not add a second row
  EXPECT_EQ(Contacts(*list), (Texts{u"Anna", u"Zed"}));
  EXPECT_EQ(list->FindContactByObjectId(zed)->height, theme::Settings().contact_height);

  Rename(anna, u"Zora");
  list->OnContactChanged(anna);
  EXPECT_EQ(Contacts(*list), (Texts{u"Zed", u"Zora"}));

  ContactListItem* zora = list->FindContactByObjectId(anna);
  Delete(anna);
  list->OnContactDeleted(anna);
  list->OnContactDeleted(anna);   // already gone: only re-sorts
  list->OnContactDeleted(12345);  // never listed
  EXPECT_EQ(Contacts(*list), (Texts{u"Zed"}));
  EXPECT_EQ(zora->display_name, u"Zora");  // retired, still readable until released
  list->OnContactChanged(anna);            // the contact no longer exists: nothing happens
  EXPECT_EQ(Contacts(*list), (Texts{u"Zed"}));
}

TEST_F(ContactLoaderTest, ContactHiddenByTheFilterIsFoundNotDuplicated) {
  const uint32_t anna = Add(u"Anna");
  Add(u"Bob");
  auto list = MakeList();
  FullLoad(*list);
  list->SetFilter(new LettersFilterItem(u"bob"));
  list->OnContactChanged(anna);
  list->ClearFilter();
  EXPECT_EQ(Contacts(*list), (Texts{u"Anna", u"Bob"}));
}

TEST_F(ContactLoaderTest, FavouriteIsWrittenToTheStoreAndTheRecord) {
  const uint32_t anna = Add(u"Anna");
  auto list = MakeList();
  FullLoad(*list);
  ContactListItem* row = list->FindContactByObjectId(anna);
  ASSERT_NE(row, nullptr);
  ASSERT_TRUE(list->SetFavorite(*row, true));
  EXPECT_TRUE(row->favourite);
  row->favourite = false;
  ASSERT_TRUE(list->RefillContact(*row));
  EXPECT_TRUE(row->favourite);  // read back from the store
  ASSERT_TRUE(list->SetFavorite(*row, false));
  ASSERT_TRUE(list->RefillContact(*row));
  EXPECT_FALSE(row->favourite);
}

}  // namespace
