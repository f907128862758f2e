// Shared set-up of the SMS tests: a fresh device profile in a temporary folder (its own
// message store and registry), helpers that file SMS as the phone's transport does, contact
// rows and a contact list to count on.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactFieldTable.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/SmsContactListItem.h"
#include "platform/Paths.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/MapiDefs.h"
#include "platform/msgstore/Session.h"
#include "platform/msgstore/SmsFiling.h"
#include "platform/registry/Registry.h"
#include "support/TempDir.h"

namespace sms_test {

inline constexpr int kInbox = 2;
inline constexpr int kOutbox = 3;
inline constexpr int kSent = 4;

// A contact row with the given numbers (mobile field for the first, home for the rest).
inline std::unique_ptr<ContactListItem> MakeContact(const std::u16string& name,
                                                    const std::vector<std::u16string>& numbers) {
  auto row = std::make_unique<ContactListItem>(36);
  row->display_name = name;
  row->text = name;
  row->object_id = 1;
  for (size_t i = 0; i < numbers.size(); ++i) {
    row->phones.push_back(
        PhoneEntry{numbers[i], i == 0 ? contacts::kMobilePhoneProperty : 0x0097001Fu});
  }
  return row;
}

inline FileTime Time(int64_t unix_seconds) {
  return platform::msgstore::FileTimeFromUnixSeconds(unix_seconds);
}

class SmsStoreFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::SetDeviceDir(dir_.path());
    ASSERT_FALSE(platform::msgstore::Failed(platform::msgstore::Session::Logon(session_)));
  }

  std::vector<uint8_t> File(platform::msgstore::SmsRecord record) {
    std::unique_ptr<platform::msgstore::Folder> folder;
    EXPECT_FALSE(platform::msgstore::Failed(
        platform::msgstore::OpenSpecialFolder(*session_, u"SMS", record.folder, folder)));
    std::vector<uint8_t> id;
    if (!folder) return id;
    EXPECT_FALSE(platform::msgstore::Failed(platform::msgstore::FileSms(*folder, record, id)));
    return id;
  }
  std::vector<uint8_t> Receive(const std::u16string& address, const std::u16string& text, bool read,
                               FileTime time = Time(1700000000), const std::u16string& name = u"") {
    return File({.folder = kInbox,
                 .text = text,
                 .sender_name = name.empty() ? address : name,
                 .sender_address = address,
                 .time = time,
                 .read = read});
  }
  std::vector<uint8_t> Send(int folder, const std::vector<std::u16string>& to,
                            const std::u16string& text, FileTime time = Time(1700000000)) {
    platform::msgstore::SmsRecord record{
        .folder = folder, .text = text, .time = time, .read = true};
    for (const std::u16string& address : to) record.recipients.push_back({address, address});
    return File(std::move(record));
  }

  static uint32_t UnreadCount() {
    return platform::ReadRegistryDword(platform::HKEY_CURRENT_USER,
                                       u"System\\State\\Messages\\SMS\\Unread", u"Count")
        .value_or(0);
  }

  testing_support::TempDir dir_;
  std::unique_ptr<platform::msgstore::Session> session_;
};

// A fixture with a contact list (the process's current one) to count on.
class SmsListFixture : public SmsStoreFixture {
 protected:
  ContactListItem* AddContact(const std::u16string& name,
                              const std::vector<std::u16string>& numbers) {
    std::lock_guard lock(list_->ListLock());
    return static_cast<ContactListItem*>(list_->AddItem(MakeContact(name, numbers)));
  }
  // The pseudo-contacts (senders without a contact) in list order.
  std::vector<SmsContactListItem*> Pseudo() {
    std::vector<SmsContactListItem*> out;
    for (IListItem* item : list_->MasterItems()) {
      if (auto* row = dynamic_cast<SmsContactListItem*>(item)) out.push_back(row);
    }
    return out;
  }
  std::unique_ptr<ContactSmartListControl> list_ =
      std::make_unique<ContactSmartListControl>(nullptr, RECT{0, 0, 240, 320});
};

}  // namespace sms_test
