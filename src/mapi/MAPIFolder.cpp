#include "mapi/MAPIFolder.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "mapi/MAPIMessage.h"
#include "mapi/MAPITableReader.h"
#include "platform/msgstore/Folder.h"
#include "platform/msgstore/Message.h"
#include "platform/msgstore/Table.h"

using platform::msgstore::Failed;

CMAPIFolder::CMAPIFolder(CMAPIEntry entry, std::unique_ptr<platform::msgstore::Folder> folder)
    : entry_(std::move(entry)), folder_(std::move(folder)) {}

CMAPIFolder::~CMAPIFolder() = default;

bool CMAPIFolder::GetContents(std::vector<CMAPIEntry>& entries) {
  if (!folder_) return false;
  std::unique_ptr<platform::msgstore::Table> table;
  if (Failed(folder_->GetContentsTable(0, table)) || !table) return false;
  return MAPIReadTable(*table, entries);
}

namespace {

using platform::msgstore::ContentsPlace;
using platform::msgstore::PropRow;

// The columns a CMAPIEntry is made of.
constexpr uint32_t kEntryColumns[] = {PR_DISPLAY_NAME, PR_ENTRYID, PR_SENDER_EMAIL_ADDRESS,
                                      PR_MESSAGE_FLAGS};

// What a filter is given: the sender's address (the entry id is made, not read).
constexpr uint32_t kFilterColumns[] = {PR_ENTRYID, PR_SENDER_EMAIL_ADDRESS};

// Reads the folder in filing order (the cheapest read), keeps the rows `keep` accepts and
// hands them out sorted by place, oldest or newest first.
bool ReadSortedEntries(platform::msgstore::Folder& folder,
                       const std::function<bool(const PropRow&, ContentsPlace)>& keep,
                       bool newest_first, std::vector<CMAPIEntry>& entries) {
  std::vector<std::pair<ContentsPlace, CMAPIEntry>> placed;
  HRESULT hr = folder.VisitContentsRows(kEntryColumns, platform::msgstore::RowOrder::kFiled,
                                        [&](const PropRow& row, ContentsPlace place) {
                                          if (keep(row, place))
                                            placed.emplace_back(place, MAPIEntryFromRow(row));
                                        });
  if (Failed(hr)) return false;
  std::sort(placed.begin(), placed.end(), [newest_first](const auto& a, const auto& b) {
    return newest_first ? b.first < a.first : a.first < b.first;
  });
  entries.reserve(placed.size());
  for (auto& [place, entry] : placed) entries.push_back(std::move(entry));
  return true;
}

}  // namespace

bool CMAPIFolder::ReadContents(std::vector<CMAPIEntry>& entries) {
  entries.clear();
  if (!folder_) return false;
  return ReadSortedEntries(
      *folder_, [](const PropRow&, ContentsPlace) { return true; }, false, entries);
}

bool CMAPIFolder::ReadNewestKept(std::vector<CMAPIEntry>& entries, NewestCursor& cursor,
                                 size_t limit, const RowFilter& keep, size_t& seen) {
  entries.clear();
  seen = 0;
  if (!folder_) return false;
  std::vector<std::vector<uint8_t>> kept;
  ContentsPlace last = cursor.last;
  HRESULT hr = folder_->VisitNewestRows(kFilterColumns, cursor.started ? &cursor.last : nullptr,
                                        limit, [&](const PropRow& row, ContentsPlace place) {
                                          ++seen;
                                          last = place;
                                          const std::u16string_view sender =
                                              row[1].IsError() ? std::u16string_view()
                                                               : std::u16string_view(row[1].str);
                                          if (keep(sender, row[0].bin)) kept.push_back(row[0].bin);
                                        });
  if (Failed(hr) || !ReadEntriesOf(kept, {}, entries)) {
    seen = 0;
    return false;
  }
  cursor.started = true;
  cursor.last = last;
  return true;
}

bool CMAPIFolder::ReadOlderContents(std::vector<CMAPIEntry>& entries, const NewestCursor& cursor,
                                    const RowFilter& keep) {
  entries.clear();
  if (!folder_) return false;
  // Two reads: the sender of every row (one property each), then the entries of the kept
  // rows alone; a walk that keeps few rows of a large folder reads a third of the properties.
  std::vector<std::vector<uint8_t>> kept;
  HRESULT hr = folder_->VisitContentsRows(kFilterColumns, platform::msgstore::RowOrder::kFiled,
                                          [&](const PropRow& row, ContentsPlace place) {
                                            if (cursor.started && !(place < cursor.last)) return;
                                            const std::u16string_view sender =
                                                row[1].IsError() ? std::u16string_view()
                                                                 : std::u16string_view(row[1].str);
                                            if (keep(sender, row[0].bin))
                                              kept.push_back(row[0].bin);
                                          });
  return !Failed(hr) && ReadEntriesOf(kept, cursor, entries);
}

bool CMAPIFolder::ReadEntriesOf(const std::vector<std::vector<uint8_t>>& entry_ids,
                                const NewestCursor& cursor, std::vector<CMAPIEntry>& entries) {
  entries.clear();
  if (!folder_) return false;
  std::vector<std::pair<ContentsPlace, CMAPIEntry>> placed;
  HRESULT hr =
      folder_->VisitRowsOf(kEntryColumns, entry_ids, [&](const PropRow& row, ContentsPlace place) {
        if (cursor.started && !(place < cursor.last)) return;
        placed.emplace_back(place, MAPIEntryFromRow(row));
      });
  if (Failed(hr)) return false;
  std::sort(placed.begin(), placed.end(),
            [](const auto& a, const auto& b) { return b.first < a.first; });
  entries.reserve(placed.size());
  for (auto& [place, entry] : placed) entries.push_back(std::move(entry));
  return true;
}

bool CMAPIFolder::CountContents(size_t& count) {
  uint32_t rows = 0;
  count = 0;
  if (!folder_ || Failed(folder_->CountRows(rows))) return false;
  count = rows;
  return true;
}

bool CMAPIFolder::VisitReceivedRows(const std::function<void(const CMAPIReceivedRow&)>& visit) {
  using platform::msgstore::PropRow;
  if (!folder_) return false;
  static constexpr uint32_t kColumns[] = {PR_SENDER_EMAIL_ADDRESS, PR_SENDER_NAME, PR_MESSAGE_FLAGS,
                                          PR_CREATION_TIME, PR_MESSAGE_DELIVERY_TIME};
  CMAPIReceivedRow received;
  using platform::msgstore::ContentsPlace;
  using platform::msgstore::RowOrder;
  HRESULT hr = folder_->VisitContentsRows(
      kColumns, RowOrder::kFiled, [&](const PropRow& row, ContentsPlace place) {
        received.address = row[0].IsError() ? std::u16string() : row[0].str;
        received.sender_name = row[1].IsError() ? std::u16string() : row[1].str;
        received.flags = row[2].IsError() ? 0 : row[2].ul;
        const bool created = !row[3].IsError();
        received.has_time = created || !row[4].IsError();
        received.time = created ? row[3].ft : (received.has_time ? row[4].ft : 0);
        received.place = place;
        visit(received);
      });
  return !Failed(hr);
}

bool CMAPIFolder::VisitRecipientAddresses(const RecipientAddressVisitor& visit) {
  using platform::msgstore::EntryId;
  using platform::msgstore::PropValue;
  if (!folder_) return false;
  std::optional<EntryId> current;
  std::vector<uint8_t> entry_id;
  HRESULT hr = folder_->VisitRecipientValues(PR_EMAIL_ADDRESS,
                                             [&](const EntryId& message, const PropValue& value) {
                                               if (current != message) {
                                                 current = message;
                                                 entry_id = message.Encode();
                                               }
                                               visit(entry_id, value.str);
                                             });
  return !Failed(hr);
}

std::unique_ptr<CMAPIMessage> CMAPIFolder::OpenMessage(const CMAPIEntry& entry) {
  if (!folder_) return nullptr;
  std::unique_ptr<platform::msgstore::Message> message;
  if (Failed(folder_->OpenEntry(entry.entry_id, 0, message))) return nullptr;
  return std::make_unique<CMAPIMessage>(std::move(message));
}

std::unique_ptr<CMAPIMessage> CMAPIFolder::CreateMessage() {
  if (!folder_) return nullptr;
  std::unique_ptr<platform::msgstore::Message> message;
  if (Failed(folder_->CreateMessage(0, message))) return nullptr;
  return std::make_unique<CMAPIMessage>(std::move(message));
}

bool CMAPIFolder::DeleteMessage(const CMAPIEntry& entry) {
  if (!folder_) return false;
  return folder_->DeleteMessages({entry.entry_id}, 0) == S_OK;
}
