// A logged-on session of the message store. Every operation that touches the store makes its
// own session, uses it on one thread and lets it go at its end; nothing is shared between
// threads or kept between operations. Failures come back as false or null, never as throws.
#pragma once

#include <memory>
#include <string_view>
#include <vector>

#include "mapi/MAPIEntry.h"

namespace platform::msgstore {
class Session;
}

class CMAPIMsgStore;
class CMAPIMessage;

class CMAPISession {
 public:
  CMAPISession();
  ~CMAPISession();
  CMAPISession(const CMAPISession&) = delete;
  CMAPISession& operator=(const CMAPISession&) = delete;

  bool Logon();
  bool IsLoggedOn() const { return session_ != nullptr; }

  // Every store's row (name, entry id, address, flags) in table order.
  bool EnumMsgStores(std::vector<CMAPIEntry>& stores);
  std::unique_ptr<CMAPIMsgStore> OpenMsgStore(const CMAPIEntry& entry);
  // The first store, in table order, whose name equals `name` without regard to case.
  std::unique_ptr<CMAPIMsgStore> OpenMsgStore(std::u16string_view name);
  // Opens a message by its entry id alone. An entry id that is empty, longer than 536 bytes
  // or malformed opens nothing.
  std::unique_ptr<CMAPIMessage> OpenEntry(const CMAPIEntry& entry);

 private:
  std::unique_ptr<platform::msgstore::Session> session_;
};
