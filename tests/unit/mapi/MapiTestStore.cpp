#include "MapiTestStore.h"

#include "platform/msgstore/Session.h"

// The wrapper keeps its message private; reopening through the platform by entry id writes
// the same stored message. A new (unsaved) message cannot be reached this way, so values
// for it are only written after the subject/time setters, right before Save: the helper
// files first and then writes.
bool MapiTestStore::SetRaw(CMAPIMessage& message,
                           const std::vector<platform::msgstore::PropValue>& values) {
  if (values.empty()) return true;
  if (!message.Save()) return false;
  CMAPIEntry entry = message.GetEntryID();
  std::unique_ptr<platform::msgstore::Session> session;
  if (platform::msgstore::Failed(platform::msgstore::Session::Logon(session))) return false;
  std::unique_ptr<platform::msgstore::Message> raw;
  if (platform::msgstore::Failed(session->OpenEntry(entry.entry_id, 0, raw))) return false;
  return !platform::msgstore::Failed(raw->SetProps(values));
}
