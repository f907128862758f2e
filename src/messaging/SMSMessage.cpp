// SMS items: construction, date text, read state and deletion.
#include "messaging/SMSMessage.h"

#include <memory>
#include <mutex>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "platform/Text.h"
#include "platform/msgstore/EntryId.h"
#include "platform/msgstore/SmsState.h"
#include "toolkit/SmartListControl.h"

namespace {

// Runs `change` under the contact list's lock when a contact list exists (the counts are
// read by the list's painting and filters), else directly.
template <typename F>
void WithContactListLocked(F&& change) {
  ContactSmartListControl* list = ContactSmartListControl::Current();
  if (!list) {
    change();
    return;
  }
  std::lock_guard lock(list->ListLock());
  change();
}

void ResortContactList() {
  if (ContactSmartListControl* list = ContactSmartListControl::Current()) list->Resort();
}

}  // namespace

SMSMessage::SMSMessage() : IListItem(-1) {}

SMSMessage::SMSMessage(ContactListItem* owner_item, CMAPIMessage& message, const CMAPIEntry& row,
                       bool is_outgoing)
    : IListItem(-1), outgoing(is_outgoing), owner(owner_item), entry(row) {
  text = message.GetSubject();
  FileTime stored = 0;
  if (message.GetTime(stored)) time = stored;
  read = message.IsRead();
}

const std::u16string& SMSMessage::EnsureDateText() {
  if (date_text.empty()) date_text = FormatTime(time);
  return date_text;
}

char16_t SMSMessage::GetIndexChar() const {
  return text.empty() ? u' ' : text.front();
}

std::u16string SMSMessage::FormatTime(FileTime value) {
  if ((value >> 32) == 0) return u"<nodate>";
  const int64_t seconds = platform::msgstore::UnixSecondsFromFileTime(value);
  std::u16string out = platform::FormatShortDate(seconds);
  out += u' ';
  out += platform::FormatShortTime(seconds);
  return out;
}

bool IsUsableEntryId(const CMAPIEntry& entry) {
  return !entry.entry_id.empty() && entry.entry_id.size() <= platform::msgstore::kMaxEntryIdBytes;
}

bool SetRead(SMSMessage& sms, bool read) {
  if (sms.read == read) return false;
  if (!IsUsableEntryId(sms.entry)) return false;
  CMAPISession session;
  if (!session.Logon()) return false;
  std::unique_ptr<CMAPIMessage> message = session.OpenEntry(sms.entry);
  if (!message) return false;

  // The item's flag and its owner's count move together, under the contact list's lock.
  // The platform's global unread counter is kept by the store itself when the stored read
  // bit of an Inbox message changes, so it is not adjusted here as well.
  WithContactListLocked([&] {
    sms.read = read;
    if (sms.owner && !sms.outgoing) {
      if (!read) {
        ++sms.owner->unread_sms_count;
      } else if (sms.owner->unread_sms_count > 0) {
        --sms.owner->unread_sms_count;
      }
    }
    sms.height = -1;  // read and unread SMS use different fonts
  });
  message->SetReadFlag(read);
  message.reset();
  ResortContactList();
  return true;
}

bool DeleteFromStore(SMSMessage& sms) {
  if (!IsUsableEntryId(sms.entry)) return false;
  CMAPISession session;
  if (!session.Logon()) return false;
  std::unique_ptr<CMAPIMsgStore> store = session.OpenMsgStore(platform::msgstore::kSmsStoreName);
  if (!store) return false;
  if (!sms.read) SetRead(sms, true);

  bool deleted = false;
  if (sms.outgoing) {
    // A sent SMS is in Sent items, or still in the Outbox while the radio has not sent it.
    for (SpecialFolder which : {SpecialFolder::kSentItems, SpecialFolder::kOutbox}) {
      std::unique_ptr<CMAPIFolder> folder = store->GetMessageFolder(which);
      if (folder && folder->DeleteMessage(sms.entry)) {
        deleted = true;
        break;
      }
    }
  } else {
    std::unique_ptr<CMAPIFolder> inbox = store->GetMessageFolder(SpecialFolder::kInbox);
    deleted = inbox && inbox->DeleteMessage(sms.entry);
  }
  // The SMS count counts received SMS (the recount reads only the Inbox), so only a
  // received SMS that is really gone lowers it.
  if (deleted && sms.owner && !sms.outgoing) {
    WithContactListLocked([&] {
      if (sms.owner->sms_count > 0) --sms.owner->sms_count;
    });
    ResortContactList();
  }
  return deleted;
}

bool HoldsReceivedSms(SmartListControl& list, const CMAPIEntry& entry) {
  for (size_t i = 0; i < list.GetItemCount(); ++i) {
    const auto* sms = dynamic_cast<const SMSMessage*>(list.GetItem(i));
    if (sms && !sms->outgoing && sms->entry.entry_id == entry.entry_id) return true;
  }
  return false;
}
