// One row of a message-store table and the identity of a store, folder or message: its
// display name, sender address, entry id bytes and message flags. A column that the row
// lacked leaves its field empty or 0. The entry id is the only durable reference to a stored
// message: it reopens the message from any later session for as long as it exists.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/msgstore/MapiDefs.h"

struct CMAPIEntry {
  std::u16string name;            // PR_DISPLAY_NAME
  std::u16string address;         // PR_SENDER_EMAIL_ADDRESS
  std::vector<uint8_t> entry_id;  // PR_ENTRYID
  uint32_t flags = 0;             // PR_MESSAGE_FLAGS

  bool IsRead() const { return (flags & MSGFLAG_READ) != 0; }
  friend bool operator==(const CMAPIEntry&, const CMAPIEntry&) = default;
};
