// The state shared by every object of one contact-store application object: the database
// connection with its lock, the notification sink and mask, and the watcher of changes made by
// other processes. Internal to the store; the public classes hold it through shared_ptr so that
// items and streams may outlive the application object.
//
// Every change is written together with an entry of the change log (sequence, object id, kind,
// writer) in the same transaction. The writer is this session's own id, so the watcher of each
// process can tell the changes of other processes from its own.
#pragma once

#include <atomic>
#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/Sqlite.h"
#include "platform/pim/PimTypes.h"

namespace platform::pim {

class PimWatcher;

// Kinds of change, as the offsets of their notification messages.
enum class ChangeKind : int { kCreated = 0, kDeleted = 1, kChanged = 2 };

class PimSession {
 public:
  // nullptr with *error naming the file when the store cannot be opened or prepared.
  static std::shared_ptr<PimSession> Open(const std::string& path, std::string* error);
  ~PimSession();
  PimSession(const PimSession&) = delete;
  PimSession& operator=(const PimSession&) = delete;

  const std::string& path() const { return path_; }
  int64_t writer() const { return writer_; }
  std::string LastError() const;

  // Object ids of every contact, ascending.
  PimResult ListOids(std::vector<ObjectId>* oids);
  PimResult ReadProps(ObjectId oid, const std::vector<PropertyId>& ids,
                      std::vector<PropertyValue>* values);
  bool Exists(ObjectId oid);
  // Stores values (removing those without value); *oid 0 creates the contact and sets *oid.
  PimResult SaveItem(ObjectId* oid, const std::map<PropertyId, PropertyValue>& values);
  PimResult DeleteItem(ObjectId oid);
  PimResult ReadPicture(ObjectId oid, std::string* bytes);
  PimResult WritePicture(ObjectId oid, const std::string& bytes);
  PimResult NamedId(std::u16string_view name, uint32_t flags, PropertyId* id);
  // Runs body, which writes through this session, as one transaction (other threads wait).
  PimResult WriteBatch(const std::function<bool()>& body);

  // Notifications.
  PimResult Logon(NotificationSink sink);
  void Logoff();
  void SetNotifyMask(uint32_t mask) { mask_.store(mask & (kNotifyLocal | kNotifyRemote)); }
  uint32_t notify_mask() const { return mask_.load(); }
  // Called by the watcher for a change another writer made.
  void DeliverRemote(ChangeKind kind, ObjectId oid);

 private:
  PimSession(const std::string& path, int64_t writer);
  bool LogChange(ObjectId oid, ChangeKind kind);
  void DeliverLocal(ChangeKind kind, ObjectId oid);
  void Deliver(uint32_t message, ObjectId oid);
  PimResult Fail();

  const std::string path_;
  const int64_t writer_;

  // The connection; used by any thread, one at a time, under mutex_ (recursive for the
  // writes of a batch).
  mutable std::recursive_mutex mutex_;
  Database db_;
  std::string last_error_;  // guarded by mutex_
  Statement read_props_;    // the bulk read, prepared once; guarded by mutex_

  std::mutex sink_mutex_;
  NotificationSink sink_;  // guarded by sink_mutex_
  std::atomic<uint32_t> mask_{0};

  std::mutex watcher_mutex_;
  std::unique_ptr<PimWatcher> watcher_;  // guarded by watcher_mutex_
};

}  // namespace platform::pim
