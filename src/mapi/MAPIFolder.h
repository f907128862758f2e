// An opened folder: its entry (display name and entry id) and the folder, with its contents
// as rows and the opening, creation and deletion of its messages.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mapi/MAPIEntry.h"
#include "platform/msgstore/Folder.h"

namespace platform::msgstore {
class Folder;
}

class CMAPIMessage;

// A received message as its contents row gives it: what counting it needs, without opening
// it. The time is PR_CREATION_TIME, else PR_MESSAGE_DELIVERY_TIME (has_time false: neither).
// `place` orders the rows as the contents table does (compare places to find the earlier row).
struct CMAPIReceivedRow {
  std::u16string address;      // PR_SENDER_EMAIL_ADDRESS
  std::u16string sender_name;  // PR_SENDER_NAME
  uint32_t flags = 0;          // PR_MESSAGE_FLAGS
  bool has_time = false;
  FileTime time = 0;
  platform::msgstore::ContentsPlace place;
  bool IsRead() const { return (flags & MSGFLAG_READ) != 0; }
};

class CMAPIFolder {
 public:
  CMAPIFolder(CMAPIEntry entry, std::unique_ptr<platform::msgstore::Folder> folder);
  ~CMAPIFolder();
  CMAPIFolder(const CMAPIFolder&) = delete;
  CMAPIFolder& operator=(const CMAPIFolder&) = delete;

  // The folder's rows in the store's order (oldest first); callers choose the direction.
  bool GetContents(std::vector<CMAPIEntry>& entries);
  // The same rows in the same order, read in one pass in the order the messages were filed
  // and sorted by their places in memory: several times faster on a large folder. False when
  // the rows could not all be read (then `entries` is empty).
  bool ReadContents(std::vector<CMAPIEntry>& entries);
  // Where a newest-first walk over the rows has come to.
  struct NewestCursor {
    bool started = false;
    platform::msgstore::ContentsPlace last;  // the place of the last row handed out
  };
  // The next page of up to `limit` rows newest first (the order of ReadContents reversed),
  // continuing from `cursor`, with only the rows `keep` accepts made into entries (read in a
  // second, small read); `seen` receives the number of rows of the page, 0 at the end. False
  // when the page could not be read.
  using RowFilter =
      std::function<bool(std::u16string_view sender, const std::vector<uint8_t>& entry_id)>;
  bool ReadNewestKept(std::vector<CMAPIEntry>& entries, NewestCursor& cursor, size_t limit,
                      const RowFilter& keep, size_t& seen);
  // The rows older than `cursor` (all rows when it has not started) that `keep` accepts,
  // newest first, read in one pass in the store's cheapest order: a walk over most of a large
  // folder costs one read, and only the kept rows are made into entries. `keep` gets the
  // row's sender address and entry id and must not use the store. False when the rows could
  // not all be read (then `entries` is empty).
  bool ReadOlderContents(std::vector<CMAPIEntry>& entries, const NewestCursor& cursor,
                         const RowFilter& keep);
  // The rows of the listed messages (by entry id) older than `cursor`, newest first; ids of
  // messages not in this folder are passed over. Reads those messages alone. False when the
  // rows could not be read (then `entries` is empty).
  bool ReadEntriesOf(const std::vector<std::vector<uint8_t>>& entry_ids, const NewestCursor& cursor,
                     std::vector<CMAPIEntry>& entries);
  // The number of rows, without reading them; false when it could not be read.
  bool CountContents(size_t& count);
  // The folder's rows, each handed to `visit` as it is read and not kept, in one read of the
  // store: a large folder costs no more memory than one row. The rows come in the order the
  // messages were filed, the cheapest to read; each row's place gives its contents order.
  // `visit` must not use the store. False when the rows could not be read (some may have
  // been visited).
  bool VisitReceivedRows(const std::function<void(const CMAPIReceivedRow&)>& visit);
  // The recipients' addresses (PR_EMAIL_ADDRESS) of all the folder's messages in one read of
  // the store, each handed to `visit` with its message's entry id; recipients without an
  // address are left out. `visit` must not use the store. False when they could not all be
  // read (some may have been visited).
  using RecipientAddressVisitor =
      std::function<void(const std::vector<uint8_t>& entry_id, std::u16string_view address)>;
  bool VisitRecipientAddresses(const RecipientAddressVisitor& visit);
  std::unique_ptr<CMAPIMessage> OpenMessage(const CMAPIEntry& entry);
  // A new message of this folder; it is filed by CMAPIMessage::Save.
  std::unique_ptr<CMAPIMessage> CreateMessage();
  // True when the message was in this folder and is now deleted.
  bool DeleteMessage(const CMAPIEntry& entry);

  const CMAPIEntry& entry() const { return entry_; }

 private:
  CMAPIEntry entry_;
  std::unique_ptr<platform::msgstore::Folder> folder_;
};
