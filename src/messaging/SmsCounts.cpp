// Per-contact SMS counts: live attribution of a new SMS, the recounts and their core.
#include "messaging/SmsCounts.h"

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>

#include "contacts/AllContactsFilterItem.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/SmsContactListItem.h"
#include "contacts/SmsFilterItem.h"
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
#include "toolkit/ISmartListFilter.h"

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

// Recounts run one at a time, read and apply together (see the header).
std::mutex& RecountMutex() {
  static std::mutex mutex;
  return mutex;
}

// Sums up the Inbox of the SMS store in one pass over its rows; false when a store step fails.
bool ReadInbox(InboxSenders& inbox) {
  CMAPISession session;
  if (!session.Logon()) return false;
  std::unique_ptr<CMAPIMsgStore> store = session.OpenMsgStore(platform::msgstore::kSmsStoreName);
  if (!store) return false;
  std::unique_ptr<CMAPIFolder> folder = store->GetMessageFolder(SpecialFolder::kInbox);
  return folder && folder->VisitReceivedRows([&inbox](const CMAPIReceivedRow& row) {
    inbox.Add(row.place, row.address, row.sender_name, row.IsRead(), row.has_time, row.time);
  });
}

// The filters whose rows follow the counts: the SMS filter (contacts with SMS) and the
// all-contacts filter (pseudo-contacts with unread SMS). A recount that moved counts shows
// them the rows they accept now. Under the list's lock.
void RefreshCountedFilter(ContactSmartListControl& list) {
  ISmartListFilter* filter = list.Filter();
  if (dynamic_cast<SmsFilterItem*>(filter) || dynamic_cast<AllContactsFilterItem*>(filter)) {
    list.RefreshFilter();
  }
}

// Counts the Inbox summary onto the rows, then puts filter, order and screen in step.
// Recounts run off the UI thread too: the repaint is requested by posting.
void ApplyInbox(ContactSmartListControl& list, const InboxSenders& inbox) {
  {
    // One step for painting and input: counts, filter and order change together.
    std::lock_guard lock(list.ListLock());
    if (ApplyRecount(list, inbox, SmsMatching::kIndexed)) RefreshCountedFilter(list);
    list.Resort();
  }
  platform::ui::PostMessage(list.HostWindow(), kMsgRepaint, 0, 0);
}

// Reads the Inbox and counts it onto the rows, as one step among the recounts.
void CountInbox(ContactSmartListControl& list, bool count_times) {
  std::lock_guard recounting(RecountMutex());
  InboxSenders inbox(count_times);
  if (ReadInbox(inbox)) ApplyInbox(list, inbox);
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
  RowFinder(SmsMatching matching, size_t rows) : indexed_(matching == SmsMatching::kIndexed) {
    if (indexed_) index_.Reserve(rows);
  }
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

void InboxSenders::Add(Place place, const std::u16string& address,
                       const std::u16string& sender_name, bool read, bool has_time, FileTime time) {
  ++messages_;
  auto [found, added] = by_address_.try_emplace(address, senders_.size());
  if (added) {
    senders_.push_back(Sender{.address = address, .first = place});
    senders_.back().first_name = sender_name;
    senders_.back().first_read = read;
  }
  Sender& sender = senders_[found->second];
  if (place < sender.first) {
    sender.first = place;
    sender.first_name = sender_name;
    sender.first_read = read;
  }
  ++sender.count;
  if (!read) ++sender.unread;
  // A message without a time counts as time 0, as a message's own reading gives it.
  if (count_times_) sender.newest = std::max(sender.newest.value_or(0), has_time ? time : 0);
}

std::vector<const InboxSenders::Sender*> InboxSenders::InOrder() const {
  std::vector<const Sender*> order;
  order.reserve(senders_.size());
  for (const Sender& sender : senders_) order.push_back(&sender);
  std::sort(order.begin(), order.end(),
            [](const Sender* a, const Sender* b) { return a->first < b->first; });
  return order;
}

bool ApplyRecount(ContactSmartListControl& list, const InboxSenders& inbox, SmsMatching matching) {
  std::lock_guard lock(list.ListLock());
  const std::vector<const InboxSenders::Sender*> senders = inbox.InOrder();
  RowFinder finder(matching, list.MasterItems().size() + senders.size());
  for (IListItem* item : list.MasterItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row) continue;
    row->pending_unread_count = 0;
    row->pending_count = 0;
    finder.Add(row, IsPseudoContact(*row));
  }
  bool changed = false;
  for (const InboxSenders::Sender* next : senders) {
    const InboxSenders::Sender& sender = *next;
    ContactListItem* row = finder.Find(sender.address);
    if (!row) {
      std::unique_ptr<SmsContactListItem> pseudo =
          MakePseudoContact(sender.first_name, sender.address, sender.first_read, true);
      row = pseudo.get();
      row->pending_count = 0;  // counted with the sender's other SMS below
      row->pending_unread_count = 0;
      // Appended rows come after every row already in the list.
      finder.Add(row, true);
      list.AddItem(std::move(pseudo));
      changed = true;
    }
    row->pending_count += sender.count;
    row->pending_unread_count += sender.unread;
    if (sender.newest && *sender.newest >= row->newest_sms_time) {
      changed = changed || row->newest_sms_time != *sender.newest;
      row->newest_sms_time = *sender.newest;
    }
  }
  for (IListItem* item : list.MasterItems()) {
    auto* row = dynamic_cast<ContactListItem*>(item);
    if (!row) continue;
    changed = changed || row->unread_sms_count != row->pending_unread_count ||
              row->sms_count != row->pending_count;
    row->unread_sms_count = row->pending_unread_count;
    row->sms_count = row->pending_count;
  }
  return changed;
}

bool ApplyRecount(ContactSmartListControl& list, const std::vector<ReceivedSms>& messages,
                  SmsMatching matching) {
  InboxSenders inbox(true);
  for (size_t i = 0; i < messages.size(); ++i) {
    const ReceivedSms& sms = messages[i];
    inbox.Add({0, static_cast<int64_t>(i) + 1}, sms.address, sms.sender_name, sms.read,
              sms.has_time, sms.time);
  }
  return ApplyRecount(list, inbox, matching);
}

void RecountSms(ContactSmartListControl& list) {
  CountInbox(list, true);
}

void RecountSmsFromRows(ContactSmartListControl& list) {
  CountInbox(list, false);
}

void LoaderSmsRecount::Run(ContactSmartListControl& list) {
  std::lock_guard recounting(RecountMutex());
  const std::optional<uint32_t> version = platform::msgstore::ReadSmsInboxVersion();
  if (!inbox_ || version != inbox_version_) {
    // The version is read first: a change made while the rows are read moves it again.
    auto inbox = std::make_unique<InboxSenders>(true);
    if (!ReadInbox(*inbox)) return;
    inbox_ = std::move(inbox);
    inbox_version_ = version;
  }
  ApplyInbox(list, *inbox_);
}

LoaderSmsRecount::LoaderSmsRecount() = default;
LoaderSmsRecount::~LoaderSmsRecount() = default;
