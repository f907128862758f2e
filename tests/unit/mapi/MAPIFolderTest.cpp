// Contents tables, opening, creating and deleting messages through a folder.
#include "MapiTestStore.h"

using platform::msgstore::FileTimeFromUnixSeconds;

using MAPIFolderTest = MapiTestStore;

TEST_F(MAPIFolderTest, ContentsRowsCarryTheFourColumnsOldestFirst) {
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry late = FileSms(*inbox, u"late", MSGFLAG_READ, FileTimeFromUnixSeconds(2000), u"+1");
  CMAPIEntry early = FileSms(*inbox, u"early", 0u, FileTimeFromUnixSeconds(1000), u"+2");
  // The table and the read in filing order (late was filed first) give the same rows.
  for (bool by_table : {true, false}) {
    std::vector<CMAPIEntry> rows;
    ASSERT_TRUE(by_table ? inbox->GetContents(rows) : inbox->ReadContents(rows));
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].entry_id, early.entry_id);
    EXPECT_EQ(rows[0].address, u"+2");
    EXPECT_EQ(rows[0].flags, 0u);
    EXPECT_EQ(rows[1].entry_id, late.entry_id);
    EXPECT_EQ(rows[1].flags, MSGFLAG_READ);
    EXPECT_EQ(rows[1].name, u"");  // messages carry no display name
  }
}

TEST_F(MAPIFolderTest, TableThatFailsAfterSomeRowsYieldsThoseRowsAndSuccess) {
  auto inbox = Folder(SpecialFolder::kInbox);
  for (int i = 0; i < 5; ++i) FileSms(*inbox, u"m", MSGFLAG_READ);
  platform::msgstore::faults::FailQueryRowsAfter(3);
  std::vector<CMAPIEntry> rows;
  EXPECT_TRUE(inbox->GetContents(rows));
  EXPECT_EQ(rows.size(), 3u);
}

TEST_F(MAPIFolderTest, DeleteRemovesOnlyFromItsOwnFolder) {
  auto inbox = Folder(SpecialFolder::kInbox);
  auto sent = Folder(SpecialFolder::kSentItems);
  CMAPIEntry entry = FileSms(*inbox, u"x", MSGFLAG_READ);
  EXPECT_FALSE(sent->DeleteMessage(entry));
  ASSERT_NE(session_->OpenEntry(entry), nullptr);
  EXPECT_TRUE(inbox->DeleteMessage(entry));
  EXPECT_EQ(session_->OpenEntry(entry), nullptr);
  EXPECT_FALSE(inbox->DeleteMessage(entry));  // already gone
}

TEST_F(MAPIFolderTest, MalformedOversizedAndFolderEntryIdsOpenAndDeleteNoMessage) {
  auto inbox = Folder(SpecialFolder::kInbox);
  CMAPIEntry good = FileSms(*inbox, u"x", MSGFLAG_READ);
  std::vector<CMAPIEntry> bad(4, good);
  bad[0].entry_id.clear();
  bad[1].entry_id.resize(537, 0);
  bad[2].entry_id.resize(536, 0xFF);
  bad[3].entry_id[0] ^= 1;
  bad.push_back(inbox->entry());
  for (const CMAPIEntry& entry : bad) {
    EXPECT_EQ(inbox->OpenMessage(entry), nullptr);
    EXPECT_EQ(session_->OpenEntry(entry), nullptr);
    EXPECT_FALSE(inbox->DeleteMessage(entry));
  }
  EXPECT_NE(session_->OpenEntry(good), nullptr);
}
