// Logon, the stores table, finding a store by name and the special folders.
#include "MapiTestStore.h"

using platform::msgstore::StoreOptions;

namespace {

std::vector<uint8_t> AddStore(const std::u16string& name, StoreOptions options = {}) {
  std::unique_ptr<platform::msgstore::Session> raw;
  EXPECT_EQ(platform::msgstore::Session::Logon(raw), S_OK);
  std::vector<uint8_t> id;
  EXPECT_EQ(raw->CreateMsgStore(name, options, id), S_OK);
  return id;
}

}  // namespace

using MAPISessionTest = MapiTestStore;

TEST_F(MAPISessionTest, StoresTableRowsCarryNameEntryIdAddressAndFlags) {
  AddStore(u"Mail", StoreOptions{u"me@example.org", 7u});
  std::vector<CMAPIEntry> stores(1);
  stores[0].name = u"stale";
  ASSERT_TRUE(session_->EnumMsgStores(stores));
  ASSERT_EQ(stores.size(), 2u);
  EXPECT_EQ(stores[0].name, u"SMS");
  EXPECT_FALSE(stores[0].entry_id.empty());
  EXPECT_EQ(stores[0].address, u"");  // absent column leaves the field empty
  EXPECT_EQ(stores[0].flags, 0u);
  EXPECT_EQ(stores[1].name, u"Mail");
  EXPECT_EQ(stores[1].address, u"me@example.org");
  EXPECT_EQ(stores[1].flags, 7u);
}

TEST_F(MAPISessionTest, StoreNameIsMatchedWithoutCaseAndTheFirstRowWins) {
  std::vector<uint8_t> first = AddStore(u"Twin");
  AddStore(u"TWIN");
  auto store = session_->OpenMsgStore(u"twin");
  ASSERT_NE(store, nullptr);
  EXPECT_EQ(store->entry().entry_id, first);
  EXPECT_EQ(store->entry().name, u"Twin");  // the stored spelling
}

TEST_F(MAPISessionTest, OpeningAStoreTracesEveryCallAndAMissingName) {
  trace_.clear();
  EXPECT_EQ(session_->OpenMsgStore(u"Nowhere"), nullptr);
  EXPECT_EQ(trace_, "CMAPISession::OpenMsgStore(Nowhere) has no elements with this name\n");
  std::vector<CMAPIEntry> stores;
  ASSERT_TRUE(session_->EnumMsgStores(stores));
  trace_.clear();
  ASSERT_NE(session_->OpenMsgStore(stores[0]), nullptr);
  EXPECT_EQ(trace_, "CMAPISession::OpenMsgStore(SMS): 0\n");
  CMAPIEntry broken = stores[0];
  broken.entry_id.pop_back();
  trace_.clear();
  EXPECT_EQ(session_->OpenMsgStore(broken), nullptr);
  EXPECT_EQ(trace_, "CMAPISession::OpenMsgStore(SMS): 80040107\n");
}

TEST_F(MAPISessionTest, FailedLogonIsTracedAndEverythingThenFailsQuietly) {
  platform::msgstore::faults::FailLogon(true);
  CMAPISession session;
  trace_.clear();
  EXPECT_FALSE(session.Logon());
  EXPECT_EQ(trace_, "CMAPISession::Logon - MAPILogonEx: 80040111\n");
  std::vector<CMAPIEntry> stores;
  EXPECT_FALSE(session.EnumMsgStores(stores));
  EXPECT_EQ(session.OpenMsgStore(u"SMS"), nullptr);
  EXPECT_EQ(session.OpenEntry(CMAPIEntry{}), nullptr);
}

TEST_F(MAPISessionTest, FiveSpecialFoldersWithTheirNames) {
  const std::pair<SpecialFolder, const char16_t*> folders[] = {
      {SpecialFolder::kDeletedItems, u"Deleted Items"},
      {SpecialFolder::kDrafts, u"Drafts"},
      {SpecialFolder::kInbox, u"Inbox"},
      {SpecialFolder::kOutbox, u"Outbox"},
      {SpecialFolder::kSentItems, u"Sent Items"}};
  for (const auto& [which, name] : folders) {
    auto folder = store_->GetMessageFolder(which);
    ASSERT_NE(folder, nullptr);
    EXPECT_EQ(folder->entry().name, name);
  }
  EXPECT_EQ(store_->GetMessageFolder(static_cast<SpecialFolder>(5)), nullptr);
  EXPECT_EQ(store_->GetMessageFolder(static_cast<SpecialFolder>(-1)), nullptr);
}

TEST_F(MAPISessionTest, FolderWhosePropertiesCannotBeReadIsNotReturned) {
  platform::msgstore::faults::FailGetProps(PR_DISPLAY_NAME);
  trace_.clear();
  EXPECT_EQ(store_->GetMessageFolder(SpecialFolder::kInbox), nullptr);
  EXPECT_NE(
      trace_.find("FAIL: MAPIGetProperty(PR_DISPLAY_NAME=0x3001001f) at mapi/MAPIMsgStore.cpp:"),
      std::string::npos);
  EXPECT_NE(trace_.find("HRESULT 0x00040380 count 1 ulPropTag = 0x3001000a err = 0x80004005\n"),
            std::string::npos);
  // The folder's entry id property has no name in the diagnostic.
  platform::msgstore::faults::FailGetProps(PR_IPM_OUTBOX_ENTRYID);
  trace_.clear();
  EXPECT_EQ(store_->GetMessageFolder(SpecialFolder::kOutbox), nullptr);
  EXPECT_EQ(trace_.rfind("FAIL: MAPIGetProperty(propTag=0x35e20102) at mapi/MAPIMsgStore.cpp:", 0),
            0u);
}
