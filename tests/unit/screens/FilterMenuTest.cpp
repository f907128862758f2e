// The filter menu: the values a folder collects from the contacts and their order, and the
// levels the filter button walks through.
#include <string>
#include <vector>

#include "ScreensFixture.h"
#include "contacts/CompanyFilterItem.h"
#include "contacts/ContactListItem.h"
#include "screens/FilterFolder.h"
#include "screens/FilterMenuPanel.h"
#include "screens/FilterSmartListControl.h"

namespace {

class FilterMenuTest : public ScreensFixture {
 protected:
  void AddContact(std::u16string company, std::u16string city, std::u16string categories) {
    auto row = std::make_unique<ContactListItem>(40);
    row->company = std::move(company);
    row->city = std::move(city);
    row->categories = std::move(categories);
    list().AddItem(std::move(row));
  }

  FilterSmartListControl& entries() { return screen_->FilterMenu().EntryList(); }

  // Chooses the root entry with `caption` as a tap would.
  void Choose(const std::u16string& caption) {
    for (size_t i = 0; i < entries().DisplayedCount(); ++i) {
      auto* entry = dynamic_cast<FilterBase*>(entries().DisplayedItem(i));
      if (entry && entry->Caption() == caption) {
        entries().OnItemClick(entry, 0, 0);
        return;
      }
    }
    ADD_FAILURE() << "no entry";
  }

  std::vector<std::u16string> Captions() {
    std::vector<std::u16string> captions;
    for (size_t i = 0; i < entries().DisplayedCount(); ++i) {
      captions.push_back(dynamic_cast<FilterBase&>(*entries().DisplayedItem(i)).Caption());
    }
    return captions;
  }
};

struct Contact {
  std::u16string company, city, categories;
};

struct FolderCase {
  const char* name;
  std::vector<Contact> contacts;
  std::u16string folder;
  std::vector<std::u16string> captions;
};

TEST_F(FilterMenuTest, FoldersListDistinctValuesSortedWithTheEmptyValueLast) {
  const std::vector<FolderCase> cases = {
      {"companies",
       {{u"B", u"", u""}, {u"", u"", u""}, {u"a", u"", u""}},
       u"By Company...",
       {u"a", u"B", u"<No Company>"}},
      {"the contact list's comparison",
       {{u"Zed"}, {u"\u00C4pfel"}, {u"apple"}, {u"Zed"}},
       u"By Company...",
       {u"\u00C4pfel", u"apple", u"Zed"}},
      {"no contacts: no company", {}, u"By Company...", {}},
      {"cities",
       {{u"", u"Paris", u""}, {u"", u"Oslo", u""}, {u"", u"Paris", u""}},
       u"By City...",
       {u"Oslo", u"Paris"}},
      {"categories split at commas and trimmed",
       {{u"", u"", u"Work, Golf"}, {u"", u"", u"Golf"}, {u"", u"", u" ,Chess,"}},
       u"By Category...",
       {u"Chess", u"Golf", u"Work", u"<No Category>"}},
      {"no contacts: still no category", {}, u"By Category...", {u"<No Category>"}},
  };
  for (const FolderCase& c : cases) {
    SCOPED_TRACE(c.name);
    MakeScreen();
    for (const Contact& contact : c.contacts)
      AddContact(contact.company, contact.city, contact.categories);
    screen_->FilterMenu().ShowRootEntries();
    Choose(c.folder);
    EXPECT_EQ(Captions(), c.captions);
    EXPECT_FALSE(screen_->FilterMenu().AtRootLevel());
    LightControl::DrainDeferredDeletions();
  }
}

TEST_F(FilterMenuTest, TheFilterButtonWalksBackToTheRootThenCloses) {
  MakeScreen();
  AddContact(u"Acme", u"", u"");
  AddContact(u"", u"", u"");
  FilterMenuPanel& menu = screen_->FilterMenu();
  EXPECT_FALSE(menu.visible);
  screen_->FilterMenuCommand().Execute();
  EXPECT_TRUE(menu.visible);
  EXPECT_FALSE(list().visible);
  EXPECT_TRUE(menu.AtRootLevel());
  Choose(u"By Company...");
  EXPECT_EQ(Captions(), (std::vector<std::u16string>{u"Acme", u"<No Company>"}));
  screen_->FilterMenuCommand().Execute();
  EXPECT_TRUE(menu.visible);
  EXPECT_TRUE(menu.AtRootLevel());
  EXPECT_FALSE(list().visible);
  screen_->FilterMenuCommand().Execute();
  EXPECT_FALSE(menu.visible);
  EXPECT_TRUE(list().visible);

  // A choice installs its filter on the contact list.
  screen_->FilterMenuCommand().Execute();
  Choose(u"By Company...");
  Choose(u"<No Company>");
  auto* filter = dynamic_cast<CompanyFilterItem*>(list().Filter());
  ASSERT_NE(filter, nullptr);
  EXPECT_TRUE(list().visible);
  LightControl::DrainDeferredDeletions();
}

}  // namespace
