// The contact store's application object: the one entry point through which the system reads
// and writes contacts. One object is created per process and kept for its whole run. It opens
// the store of the device profile (a SQLite database shared by every process of the device),
// hands out the contacts folder, items by object id and named property ids, and, once logged
// on and once the folder's notification property is set, reports every creation, change and
// deletion of a contact to the notification sink: those made through this object as local
// notifications, those made by any other process as remote ones.
//
// Thread safety: every call may be made from any thread; calls are serialised inside. Items,
// folders, collections and streams obtained from it keep the store open and may outlive it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "platform/pim/PimTypes.h"

namespace platform::pim {

class PimSession;
class PimFolder;
class PimItem;

class PimApplication {
 public:
  // Opens the store "contacts.db" in the device profile, creating it when missing. On failure
  // returns nullptr and sets *error to a message that names the file.
  static std::unique_ptr<PimApplication> Create(std::string* error);
  // The same on an explicit database file.
  static std::unique_ptr<PimApplication> Open(const std::string& path, std::string* error);

  ~PimApplication();
  PimApplication(const PimApplication&) = delete;
  PimApplication& operator=(const PimApplication&) = delete;

  // Starts the session. Notifications go to `sink` once the contacts folder's property
  // kPropFolderNotifications holds kNotifyLocal and/or kNotifyRemote. A second logon replaces
  // the sink.
  PimResult Logon(NotificationSink sink);
  // Stops notifications and the watcher of remote changes. Also done by the destructor.
  void Logoff();

  // The default folder of a kind; only kFolderContacts exists (nullptr for others).
  std::unique_ptr<PimFolder> GetDefaultFolder(int kind);

  // The property id of a named property. `flags` carries the value type in its low 16 bits;
  // with kNamedPropertyCreate set a missing name is created. kNotFound when missing and not
  // created, kInvalidArgument when the name exists with another type or the name is empty.
  // The id is valid on every contact.
  PimResult GetIdFromName(std::u16string_view name, uint32_t flags, PropertyId* id);

  // The item of an existing contact, or nullptr (with *result kNotFound) when it no longer
  // exists.
  std::unique_ptr<PimItem> GetItemFromOid(ObjectId oid, PimResult* result = nullptr);

  // A new, empty contact. It has object id 0 and exists in the store after its first Save.
  std::unique_ptr<PimItem> CreateItem();

  // Runs body, whose saves and deletions through this object then commit together (or not at
  // all when body returns false): a bulk import in one transaction. Other threads wait.
  PimResult WriteBatch(const std::function<bool()>& body);

  // Text of the last database failure, naming the file.
  std::string LastError() const;

  // The store file.
  const std::string& path() const;

 private:
  explicit PimApplication(std::shared_ptr<PimSession> session);
  std::shared_ptr<PimSession> session_;
};

}  // namespace platform::pim
