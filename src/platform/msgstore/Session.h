// The message store of the device: a session logs on to messages.db in the device profile
// and opens stores, folders and messages from it. The store is shared safely with other
// processes (the device tool, the interception library): every change is one transaction.
//
// A session and the objects opened through it belong to one thread. Objects keep the
// session's connection alive, so they may outlive the Session object itself.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/msgstore/MapiDefs.h"

namespace platform::msgstore {

class StoreConnection;
class Table;
class MsgStore;
class Message;

// Columns of the stores table and of a folder's contents table when none are chosen.
inline constexpr uint32_t kDefaultTableColumns[] = {PR_DISPLAY_NAME, PR_ENTRYID,
                                                    PR_SENDER_EMAIL_ADDRESS, PR_MESSAGE_FLAGS};

struct StoreOptions {
  std::optional<std::u16string> sender_address;
  std::optional<uint32_t> flags;
};

class Session {
 public:
  // Opens the store of the current device profile (creating it, with the "SMS" store and its
  // special folders, on a new device).
  static HRESULT Logon(std::unique_ptr<Session>& session);

  // Rows: PR_DISPLAY_NAME, PR_ENTRYID, PR_SENDER_EMAIL_ADDRESS and PR_MESSAGE_FLAGS of every
  // store, in the order the stores were created.
  HRESULT GetMsgStoresTable(uint32_t flags, std::unique_ptr<Table>& table);
  HRESULT OpenMsgStore(std::span<const uint8_t> entry_id, uint32_t flags,
                       std::unique_ptr<MsgStore>& store);
  // Opens a message by its entry id, whatever folder holds it. Access flags are accepted and
  // not enforced: every opened message may be changed.
  HRESULT OpenEntry(std::span<const uint8_t> entry_id, uint32_t flags,
                    std::unique_ptr<Message>& message);

  // Creates another store with its five special folders (device tool and tests). The entry id
  // of the new store comes back in entry_id.
  HRESULT CreateMsgStore(std::u16string_view display_name, const StoreOptions& options,
                         std::vector<uint8_t>& entry_id);

  explicit Session(std::shared_ptr<StoreConnection> connection);
  ~Session();

 private:
  std::shared_ptr<StoreConnection> connection_;
};

}  // namespace platform::msgstore
