// The SMS interception bridge on a real device profile: the shared block's layout read
// defensively, the interception library filling the block for the transport, and an arrived
// SMS that is gone before it could be attached.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "SmsStoreFixture.h"
#include "messaging/SmsBridge.h"
#include "messaging/SmsBufferLayout.h"
#include "platform/ipc/SharedMemory.h"
#include "platform/msgstore/SmsRuleClients.h"

namespace {

using platform::HKEY_LOCAL_MACHINE;

struct Block {
  uint8_t bytes[kSmsBufferUsedBytes] = {};
  Block(uint32_t entry_size, uint8_t fill, std::u16string_view sender) {
    std::memcpy(bytes, &entry_size, 4);  // little-endian on every machine we build for
    std::memset(bytes + kSmsBufferEntryOffset, fill, kSmsBufferEntryBytes);
    std::memcpy(bytes + kSmsBufferSenderOffset, sender.data(),
                std::min(2 * sender.size(), kSmsBufferSenderBytes));
  }
};

TEST(SmsNoticeTest, ReadsTheLayoutAndRefusesWhatDoesNotFit) {
  auto notice = ReadSmsNotice(Block(3, 0xAB, u"+33 6 12").bytes, kSmsBufferUsedBytes);
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->entry.entry_id, (std::vector<uint8_t>{0xAB, 0xAB, 0xAB}));
  EXPECT_EQ(notice->sender, u"+33 6 12");

  EXPECT_EQ(ReadSmsNotice(Block(536, 1, u"1").bytes, kSmsBufferUsedBytes)->entry.entry_id.size(),
            536u);
  EXPECT_FALSE(ReadSmsNotice(Block(0, 1, u"1").bytes, kSmsBufferUsedBytes));
  EXPECT_FALSE(ReadSmsNotice(Block(537, 1, u"1").bytes, kSmsBufferUsedBytes));
  EXPECT_FALSE(ReadSmsNotice(Block(0xFFFFFFFF, 1, u"1").bytes, kSmsBufferUsedBytes));
  EXPECT_FALSE(ReadSmsNotice(Block(3, 1, u"1").bytes, kSmsBufferUsedBytes - 1));
  EXPECT_FALSE(ReadSmsNotice(nullptr, kSmsBufferUsedBytes));

  // A sender filling its whole field without a zero stops at the field's end.
  const std::u16string long_sender(150, u'7');
  auto unterminated = ReadSmsNotice(Block(1, 1, long_sender).bytes, kSmsBufferUsedBytes);
  ASSERT_TRUE(unterminated);
  EXPECT_EQ(unterminated->sender, std::u16string(99, u'7'));
}

class SmsBridgeTest : public sms_test::SmsListFixture {};

TEST_F(SmsBridgeTest, TheRegisteredLibraryFillsTheBlockForTheTransport) {
  EnsureSmsRuleClient();
  // Without the block (no program), the client runs and nothing breaks.
  const std::vector<uint8_t> first = Receive(u"+4917155501", u"early", false);
  EXPECT_EQ(platform::msgstore::RunSmsRuleClients(first, u"+4917155501"), 1);

  auto buffer = SmsBuffer::Create();
  ASSERT_NE(buffer, nullptr);
  EXPECT_FALSE(buffer->Read());  // zeroed
  const std::vector<uint8_t> id = Receive(u"+4917155502", u"hello", false);
  EXPECT_EQ(platform::msgstore::RunSmsRuleClients(id, u"+4917155502"), 1);
  auto notice = buffer->Read();
  ASSERT_TRUE(notice);
  EXPECT_EQ(notice->entry.entry_id, id);
  EXPECT_EQ(notice->sender, u"+4917155502");

  // The name goes with the block, so nothing is left behind in the system.
  buffer.reset();
  EXPECT_EQ(platform::ipc::SharedMemory::Open(kSmsBufferName), nullptr);
}

TEST_F(SmsBridgeTest, AnSmsDeletedBeforeItsArrivalIsHandledIsLeftToTheRecount) {
  ContactListItem* ann = AddContact(u"Ann", {u"0171 2345678"});
  NewSmsNotice gone;
  gone.entry.entry_id = Receive(u"+491712345678", u"deleted at once", false);
  ASSERT_FALSE(platform::msgstore::Failed(
      platform::msgstore::DeleteAnywhere(*session_, gone.entry.entry_id)));
  EXPECT_EQ(AttachArrivedSms(*list_, gone), ArrivedSms::kUnopened);
  EXPECT_EQ(ann->sms_count, 0);
  EXPECT_EQ(list_->GetItemCount(), 1u);  // no pseudo-contact either
}

TEST_F(SmsBridgeTest, RuleClientsWhoseLibraryIsMissingAreSkipped) {
  platform::WriteRegistryDword(HKEY_LOCAL_MACHINE, platform::msgstore::kSmsRulesKey, u"{nothing}",
                               1);
  platform::WriteRegistryString(HKEY_LOCAL_MACHINE,
                                std::u16string(platform::msgstore::kClassesKey) + u"{nothing}" +
                                    platform::msgstore::kInProcServerKey,
                                u"", u"missing.dll");
  const std::vector<uint8_t> id = Receive(u"123", u"x", false);
  EXPECT_EQ(platform::msgstore::RunSmsRuleClients(id, u"123"), 0);
  EXPECT_EQ(platform::msgstore::RunSmsRuleClients({}, u"123"), 0);
  EXPECT_EQ(platform::msgstore::RunSmsRuleClients(std::vector<uint8_t>(537, 1), u"123"), 0);
}

}  // namespace
