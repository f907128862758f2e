// Loading of one contact's conversation.
#include "messaging/LoadConversation.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "contacts/ContactListItem.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/SmsContactListItem.h"
#include "mapi/MAPIFolder.h"
#include "mapi/MAPIMessage.h"
#include "mapi/MAPIMsgStore.h"
#include "mapi/MAPISession.h"
#include "messaging/SMSMessage.h"
#include "platform/registry/Registry.h"
#include "toolkit/SmartListControl.h"

namespace {

constexpr std::u16string_view kSmsStateKey = u"System\\State\\Messages\\SMS";
constexpr std::u16string_view kAccountNameValue = u"Account Name";
constexpr size_t kMaxAccountName = 255;
constexpr size_t kFirstInboxPage = 256;
// Inbox rows walked page by page before the rest is read in one go.
constexpr size_t kPagedInboxRows = 4096;

class Loader {
 public:
  Loader(ContactListItem& contact, SmartListControl& list, ConversationProgress* progress)
      : contact_(contact),
        list_(list),
        progress_(progress),
        pseudo_(dynamic_cast<SmsContactListItem*>(&contact) != nullptr) {
    for (const PhoneEntry& phone : contact.phones) keys_.push_back(NumberMatchKey(phone.number));
  }

  void Run(CMAPIMsgStore& store);

 private:
  // MatchesNumber(contact_, address, pseudo_), with the contact's keys made once.
  bool Matches(std::u16string_view address) const {
    const std::u16string key = NumberMatchKey(address);
    if (key.empty() && !pseudo_) return false;
    return std::any_of(keys_.begin(), keys_.end(),
                       [&key](const std::u16string& mine) { return MatchKeysMatch(mine, key); });
  }
  size_t ItemCount() const {
    std::lock_guard lock(list_.ListLock());
    return list_.GetItemCount();
  }
  void Append(CMAPIMessage& message, const CMAPIEntry& row, bool outgoing) {
    auto item = std::make_unique<SMSMessage>(&contact_, message, row, outgoing);
    std::lock_guard lock(list_.ListLock());
    // A received SMS may have joined the list on its arrival while this load ran.
    if (!outgoing && HoldsReceivedSms(list_, row)) return;
    list_.AddItem(std::move(item));
  }
  // Reports one row looked at; false when the load is to stop.
  bool Step() {
    if (!progress_) return true;
    if (progress_->Report(position_++) == -1) {
      cancelled_ = true;
      return false;
    }
    return true;
  }
  std::unique_ptr<CMAPIMessage> Open(CMAPIFolder& folder, const CMAPIEntry& row) {
    if (!IsUsableEntryId(row)) return nullptr;
    return folder.OpenMessage(row);
  }

  // The entry ids of the folder's messages with a recipient that matches, read in one go, so
  // that the walk opens only those; nothing when it has to open every message instead (the
  // addresses could not be read, or a recipient without an address would match).
  std::optional<std::set<std::vector<uint8_t>>> MatchingMessages(CMAPIFolder& folder) const;
  // Whether the walk passes over the row without opening its message.
  static bool PassOver(const std::optional<std::set<std::vector<uint8_t>>>& matching,
                       const CMAPIEntry& row) {
    return matching && !matching->contains(row.entry_id);
  }

  void LoadOutbox(CMAPIFolder& folder, const std::vector<CMAPIEntry>& rows);
  void LoadInbox(CMAPIFolder& folder);
  // Walks rows newest first; false once the list is full or the load stopped.
  bool WalkInbox(CMAPIFolder& folder, const std::vector<CMAPIEntry>& rows);
  void LoadSent(CMAPIFolder& folder);

  ContactListItem& contact_;
  SmartListControl& list_;
  ConversationProgress* progress_;
  const bool pseudo_;
  std::vector<std::u16string> keys_;  // the match keys of the contact's numbers
  int position_ = 0;
  bool cancelled_ = false;
  bool failed_ = false;  // a read of the store failed: the load ends with what it holds
};

std::optional<std::set<std::vector<uint8_t>>> Loader::MatchingMessages(CMAPIFolder& folder) const {
  if (Matches(u"")) return std::nullopt;
  std::set<std::vector<uint8_t>> matching;
  const bool read = folder.VisitRecipientAddresses(
      [&](const std::vector<uint8_t>& entry_id, std::u16string_view address) {
        if (Matches(address)) matching.insert(entry_id);
      });
  if (!read) return std::nullopt;
  return matching;
}

void Loader::LoadOutbox(CMAPIFolder& folder, const std::vector<CMAPIEntry>& rows) {
  const auto matching = MatchingMessages(folder);
  for (const CMAPIEntry& row : rows) {
    if (ItemCount() >= kConversationReceivedLimit) break;
    // A message that cannot be opened (deleted since the rows were read) is passed over.
    std::unique_ptr<CMAPIMessage> message = PassOver(matching, row) ? nullptr : Open(folder, row);
    if (message) {
      std::vector<CMAPIRecipient> recipients;
      if (message->GetRecipients(recipients)) {
        for (const CMAPIRecipient& recipient : recipients) {
          if (Matches(recipient.address)) {
            Append(*message, row, true);
            break;
          }
        }
      }
    }
    if (!Step()) return;
  }
}

void Loader::LoadInbox(CMAPIFolder& folder) {
  // The newest rows a page at a time: the first bubbles need only the first pages, and the
  // walk often stops long before the oldest row (the list fills).
  // Only the rows from the contact's numbers are made into entries.
  const auto mine = [this](std::u16string_view sender, const auto&) { return Matches(sender); };
  CMAPIFolder::NewestCursor cursor;
  std::vector<CMAPIEntry> rows;
  size_t walked = 0;
  for (size_t page = kFirstInboxPage; walked < kPagedInboxRows; page *= 4) {
    size_t seen = 0;
    if (!folder.ReadNewestKept(rows, cursor, page, mine, seen)) {
      failed_ = true;
      return;
    }
    if (seen == 0) return;
    position_ += static_cast<int>(seen - rows.size());  // the rows passed over
    if (!WalkInbox(folder, rows)) return;
    walked += seen;
  }
  // The rest in one read in filing order, which costs far less per row than pages in
  // contents order; only the rows from the contact's numbers are kept.
  if (ItemCount() >= kConversationReceivedLimit) return;
  if (!folder.ReadOlderContents(rows, cursor, mine)) {
    failed_ = true;
    return;
  }
  WalkInbox(folder, rows);
}

bool Loader::WalkInbox(CMAPIFolder& folder, const std::vector<CMAPIEntry>& rows) {
  for (const CMAPIEntry& row : rows) {
    if (ItemCount() >= kConversationReceivedLimit) return false;
    if (Matches(row.address)) {
      if (std::unique_ptr<CMAPIMessage> message = Open(folder, row)) Append(*message, row, false);
    }
    if (!Step()) return false;
  }
  return true;
}

void Loader::LoadSent(CMAPIFolder& folder) {
  const auto matching = MatchingMessages(folder);
  // Only the messages with a matching recipient are read (all of them when the recipients
  // could not be told apart).
  std::vector<CMAPIEntry> rows;
  const bool read = matching ? folder.ReadEntriesOf({matching->begin(), matching->end()}, {}, rows)
                             : folder.ReadOlderContents(
                                   rows, {}, [](std::u16string_view, const auto&) { return true; });
  if (!read) {
    failed_ = true;
    return;
  }
  for (const CMAPIEntry& row : rows) {
    if (ItemCount() >= kConversationSentLimit) break;
    if (std::unique_ptr<CMAPIMessage> message = Open(folder, row)) {
      std::vector<CMAPIRecipient> recipients;
      if (message->GetRecipients(recipients)) {
        // One item per matching recipient: a message to two of the contact's numbers
        // shows twice.
        for (const CMAPIRecipient& recipient : recipients) {
          if (Matches(recipient.address)) Append(*message, row, true);
        }
      }
    }
    if (!Step()) return;
  }
}

void Loader::Run(CMAPIMsgStore& store) {
  std::unique_ptr<CMAPIFolder> inbox = store.GetMessageFolder(SpecialFolder::kInbox);
  std::unique_ptr<CMAPIFolder> sent = store.GetMessageFolder(SpecialFolder::kSentItems);
  std::unique_ptr<CMAPIFolder> outbox = store.GetMessageFolder(SpecialFolder::kOutbox);
  if (!inbox || !sent || !outbox) return;
  size_t inbox_rows = 0;
  std::vector<CMAPIEntry> outbox_rows;
  if (!inbox->CountContents(inbox_rows) || !outbox->ReadContents(outbox_rows)) return;
  const auto clamped = [](size_t rows) {
    return static_cast<int>(std::min<size_t>(rows, INT32_MAX));
  };
  size_t total = inbox_rows + outbox_rows.size();
  if (progress_) progress_->Start(clamped(total));
  LoadOutbox(*outbox, outbox_rows);
  if (!cancelled_) LoadInbox(*inbox);
  if (cancelled_) return;
  // The Sent items, the largest folder, are read once the others are walked, so that the
  // first bubbles show sooner; the total grows by their rows. Rows that cannot be read end
  // the load with what it holds.
  size_t sent_rows = 0;
  if (!failed_ && sent->CountContents(sent_rows)) {
    total += sent_rows;
    if (progress_) progress_->Start(clamped(total));
    LoadSent(*sent);
  }
  if (!cancelled_ && progress_) progress_->Report(clamped(total));
}

// The store the platform files SMS in, named by its account name.
std::unique_ptr<CMAPIMsgStore> OpenSmsStore(CMAPISession& session) {
  if (!session.Logon()) return nullptr;
  std::optional<std::u16string> name = platform::ReadRegistryString(
      platform::HKEY_CURRENT_USER, kSmsStateKey, kAccountNameValue, kMaxAccountName);
  if (!name) return nullptr;
  return session.OpenMsgStore(*name);
}

// Whether one of the message's recipients is one of the contact's numbers.
bool AnyRecipientMatches(CMAPIMessage& message, const ContactListItem& contact, bool pseudo) {
  std::vector<CMAPIRecipient> recipients;
  if (!message.GetRecipients(recipients)) return false;
  return std::any_of(recipients.begin(), recipients.end(), [&](const CMAPIRecipient& recipient) {
    return MatchesNumber(contact, recipient.address, pseudo);
  });
}

}  // namespace

void LoadConversation(ContactListItem& contact, SmartListControl& list,
                      ConversationProgress* progress) {
  CMAPISession session;
  std::unique_ptr<CMAPIMsgStore> store = OpenSmsStore(session);
  if (!store) return;
  Loader(contact, list, progress).Run(*store);
}

int DeleteConversationFromStore(ContactListItem& contact) {
  const bool pseudo = dynamic_cast<SmsContactListItem*>(&contact) != nullptr;
  std::vector<std::unique_ptr<SMSMessage>> doomed;
  {
    CMAPISession session;
    std::unique_ptr<CMAPIMsgStore> store = OpenSmsStore(session);
    if (!store) return 0;
    for (SpecialFolder which :
         {SpecialFolder::kOutbox, SpecialFolder::kInbox, SpecialFolder::kSentItems}) {
      std::unique_ptr<CMAPIFolder> folder = store->GetMessageFolder(which);
      std::vector<CMAPIEntry> rows;
      if (!folder || !folder->ReadContents(rows)) continue;
      const bool outgoing = which != SpecialFolder::kInbox;
      for (const CMAPIEntry& row : rows) {
        if (!IsUsableEntryId(row)) continue;
        if (!outgoing && !MatchesNumber(contact, row.address, pseudo)) continue;
        std::unique_ptr<CMAPIMessage> message = folder->OpenMessage(row);
        if (!message || (outgoing && !AnyRecipientMatches(*message, contact, pseudo))) continue;
        doomed.push_back(std::make_unique<SMSMessage>(&contact, *message, row, outgoing));
      }
    }
  }
  // Each deletion keeps the contact's counts and the platform's unread counter in step.
  int deleted = 0;
  for (const auto& sms : doomed) deleted += DeleteFromStore(*sms) ? 1 : 0;
  return deleted;
}
