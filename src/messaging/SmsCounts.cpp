// Per-contact SMS counts: live attribution of a new SMS and the two recount forms.
#include "messaging/SmsCounts.h"

#include <memory>
#include <mutex>
#include <optional>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/SmsContactListItem.h"
#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "messaging/SMSMessage.h"
#include "messaging/SmsNumberIndex.h"
#include "messaging/SmsRecount.h"
#include "platform/Messages.h"
#include "platform/msgstore/SmsState.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"

namespace {

bool IsPseudoContact(const ContactListItem& row) {
  return dynamic_cast<const SmsContactListItem*>(&row) != nullptr;
}

// A pseudo-contact for a sender who is not a contact: named by the sender (or by the
// service-message text when the address has no digits), counting this one SMS.
std::unique_ptr<SmsContactListItem> MakePseudoContact(const std::u16string& sender_name,
                                                      const std::u16string& address, bool read,
                                                      bool recount) {
  const theme::SettingManager& settings = theme::Settings();
  auto row = std::make_unique<SmsContactListItem>(sender_name, StripNumber(address),
                                                  settings.txt_ServiceMessageName, read,
                                                  settings.contact_height);
  if (recount) {
    row->pending_unread_count = row->unread_sms_count;
    row->pending_count = row->sms_count;
  }
  return row;
}

void CountOn(ContactListItem& row, bool read, bool recount, std::optional<FileTime> time) {
  int32_t& count = recount ? row.pending_count : row.sms_count;
  int32_t& unread = recount ? row.pending_unread_count : row.unread_sms_count;
  ++count;
  if (!read) ++unread;
  if (time && *time >= row.newest_sms_time) row.newest_sms_time = *time;
}

// Reads the Inbox rows of the SMS store; false when a store step fails.
bool ReadInboxRows(CMAPISession& session, std::unique_ptr<CMAPIFolder>& inbox,
                   std::vector<CMAPIEntry>& rows) {
  if (!session.Logon()) return false;
  std::unique_ptr<CMAPIMsgStore> store = session.OpenMsgStore(platform::msgstore::kSmsStoreName);
  if (!store) return false;
  inbox = store->GetMessageFolder(SpecialFolder::kInbox);
  return inbox && inbox->GetContents(rows);
}

}  // namespace

ContactListItem* FindContactForAddress(ContactSmartListControl& list, std::u16string_view address) {
  for (IListItem* item : list.MasterItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (row && MatchesNumber(*row, address, IsPseudoContact(*row))) return row;
  }
  return nullptr;
}

void AddSmsToContacts(ContactSmartListControl& list, CMAPIMessage& message, bool recount) {
  const std::u16string address = message.GetSenderEmailAddress();
  const bool read = message.IsRead();
  FileTime time = 0;
  if (!message.GetTime(time)) time = 0;
  // Read before taking the list's lock, so that no store access happens under it.
  const std::u16string sender_name = message.GetSenderName();
  std::lock_guard lock(list.ListLock());
  ContactListItem* row = FindContactForAddress(list, address);
  if (!row) {
    std::unique_ptr<SmsContactListItem> pseudo =
        MakePseudoContact(sender_name, address, read, recount);
    row = pseudo.get();
    list.AddItem(std::move(pseudo));
    if (time >= row->newest_sms_time) row->newest_sms_time = time;
    return;
  }
  CountOn(*row, read, recount, time);
}

namespace {

// The literal rule over the rows in list order, with each row's keys made once per recount.
class RowWalk {
 public:
  void Add(ContactListItem* row, bool allow_empty_address) {
    Row entry{row, {}, allow_empty_address};
    for (const PhoneEntry& phone : row->phones) entry.keys.push_back(NumberMatchKey(phone.number));
    rows_.push_back(std::move(entry));
  }
  ContactListItem* Find(std::u16string_view address) const {
    const std::u16string a = NumberMatchKey(address);
    for (const Row& row : rows_) {
      if (a.empty() && !row.allow_empty_address) continue;
      for (const std::u16string& key : row.keys) {
        if (MatchKeysMatch(key, a)) return row.item;
      }
    }
    return nullptr;
  }

 private:
  struct Row {
    ContactListItem* item;
    std::vector<std::u16string> keys;
    bool allow_empty_address;
  };
  std::vector<Row> rows_;
};

// Either way of finding rows, behind one interface.
class RowFinder {
 public:
  explicit RowFinder(SmsMatching matching) : indexed_(matching == SmsMatching::kIndexed) {}
  void Add(ContactListItem* row, bool allow_empty_address) {
    if (indexed_) {
      index_.Add(row, allow_empty_address);
    } else {
      walk_.Add(row, allow_empty_address);
    }
  }
  ContactListItem* Find(std::u16string_view address) const {
    return indexed_ ? index_.Find(address) : walk_.Find(address);
  }

 private:
  bool indexed_;
  SmsNumberIndex index_;
  RowWalk walk_;
};

}  // namespace

void ApplyRecount(ContactSmartListControl& list, const std::vector<ReceivedSms>& messages,
                  SmsMatching matching, const SenderNameSource& name_of) {
  std::lock_guard lock(list.ListLock());
  RowFinder finder(matching);
  for (IListItem* item : list.MasterItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row) continue;
    row->pending_unread_count = 0;
    row->pending_count = 0;
    finder.Add(row, IsPseudoContact(*row));
  }
  for (const ReceivedSms& sms : messages) {
    ContactListItem* row = finder.Find(sms.address);
    std::optional<FileTime> time;
    if (sms.has_time) time = sms.time;
    if (row) {
      CountOn(*row, sms.read, true, time);
      continue;
    }
    std::u16string name = sms.sender_name;
    if (name_of && !name_of(sms, name)) continue;
    std::unique_ptr<SmsContactListItem> pseudo =
        MakePseudoContact(name, sms.address, sms.read, true);
    if (time && *time >= pseudo->newest_sms_time) pseudo->newest_sms_time = *time;
    // Appended rows come after every row already in the list.
    finder.Add(pseudo.get(), true);
    list.AddItem(std::move(pseudo));
  }
  for (IListItem* item : list.MasterItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row) continue;
    row->unread_sms_count = row->pending_unread_count;
    row->sms_count = row->pending_count;
  }
}

void RecountSms(ContactSmartListControl& list) {
  CMAPISession session;
  std::unique_ptr<CMAPIFolder> inbox;
  std::vector<CMAPIEntry> rows;
  if (!ReadInboxRows(session, inbox, rows)) return;
  // Messages are read without the list's lock; the counting then runs under it in one go.
  std::vector<ReceivedSms> messages;
  messages.reserve(rows.size());
  for (const CMAPIEntry& row : rows) {
    if (!IsUsableEntryId(row)) continue;
    std::unique_ptr<CMAPIMessage> message = inbox->OpenMessage(row);
    if (!message) continue;  // deleted since the rows were read
    ReceivedSms sms;
    sms.address = message->GetSenderEmailAddress();
    sms.sender_name = message->GetSenderName();
    sms.read = message->IsRead();
    sms.has_time = true;
    if (!message->GetTime(sms.time)) sms.time = 0;
    messages.push_back(std::move(sms));
  }
  ApplyRecount(list, messages, SmsMatching::kIndexed, nullptr);
  list.Resort();
  // The loading thread runs this too: the repaint is requested by posting, which any thread
  // may do.
  platform::ui::PostMessage(list.HostWindow(), kMsgRepaint, 0, 0);
}

void RecountSmsFromRows(ContactSmartListControl& list) {
  CMAPISession session;
  std::unique_ptr<CMAPIFolder> inbox;
  std::vector<CMAPIEntry> rows;
  if (!ReadInboxRows(session, inbox, rows)) return;
  std::vector<ReceivedSms> messages;
  messages.reserve(rows.size());
  for (CMAPIEntry& row : rows) {
    ReceivedSms sms;
    sms.address = row.address;
    sms.read = row.IsRead();
    sms.entry = std::move(row);
    messages.push_back(std::move(sms));
  }
  // Only a sender without a contact costs a message opening (for the name).
  SenderNameSource name_of = [&session](const ReceivedSms& sms, std::u16string& name) {
    if (!IsUsableEntryId(sms.entry)) return false;
    std::unique_ptr<CMAPIMessage> message = session.OpenEntry(sms.entry);
    if (!message) return false;
    name = message->GetSenderName();
    return true;
  };
  ApplyRecount(list, messages, SmsMatching::kIndexed, name_of);
  list.Resort();
  // This runs off the UI thread: the window repaints when it handles the posted request.
  platform::ui::PostMessage(list.HostWindow(), kMsgRepaint, 0, 0);
}
