#include "platform/pim/PimApplication.h"

#include "platform/Paths.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItem.h"
#include "platform/pim/PimSession.h"

namespace platform::pim {

std::unique_ptr<PimApplication> PimApplication::Create(std::string* error) {
  return Open(DeviceDir() + "/contacts.db", error);
}

std::unique_ptr<PimApplication> PimApplication::Open(const std::string& path, std::string* error) {
  std::string message;
  std::shared_ptr<PimSession> session = PimSession::Open(path, &message);
  if (!session) {
    if (error) *error = message;
    return nullptr;
  }
  return std::unique_ptr<PimApplication>(new PimApplication(std::move(session)));
}

PimApplication::PimApplication(std::shared_ptr<PimSession> session)
    : session_(std::move(session)) {}

PimApplication::~PimApplication() {
  session_->Logoff();
}

PimResult PimApplication::Logon(NotificationSink sink) {
  return session_->Logon(std::move(sink));
}

void PimApplication::Logoff() {
  session_->Logoff();
}

std::unique_ptr<PimFolder> PimApplication::GetDefaultFolder(int kind) {
  if (kind != kFolderContacts) return nullptr;
  return std::make_unique<PimFolder>(session_);
}

PimResult PimApplication::GetIdFromName(std::u16string_view name, uint32_t flags, PropertyId* id) {
  return session_->NamedId(name, flags, id);
}

std::unique_ptr<PimItem> PimApplication::GetItemFromOid(ObjectId oid, PimResult* result) {
  bool exists = oid != 0 && session_->Exists(oid);
  if (result) *result = exists ? PimResult::kOk : PimResult::kNotFound;
  return exists ? std::make_unique<PimItem>(session_, oid) : nullptr;
}

std::unique_ptr<PimItem> PimApplication::CreateItem() {
  return std::make_unique<PimItem>(session_, 0);
}

PimResult PimApplication::WriteBatch(const std::function<bool()>& body) {
  return session_->WriteBatch(body);
}

std::string PimApplication::LastError() const {
  return session_->LastError();
}

const std::string& PimApplication::path() const {
  return session_->path();
}

}  // namespace platform::pim
