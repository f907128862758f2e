#include "platform/pim/PimFolder.h"

#include "platform/pim/PimItemCollection.h"
#include "platform/pim/PimSession.h"

namespace platform::pim {

PimFolder::PimFolder(std::shared_ptr<PimSession> session) : session_(std::move(session)) {}

PimResult PimFolder::SetProps(const std::vector<PropertyValue>& values) {
  for (const PropertyValue& v : values) {
    if (v.id != kPropFolderNotifications) return PimResult::kInvalidArgument;
  }
  for (const PropertyValue& v : values) {
    session_->SetNotifyMask(v.HasValue() ? static_cast<uint32_t>(v.number) : 0);
  }
  return PimResult::kOk;
}

PimResult PimFolder::GetProps(const std::vector<PropertyId>& ids,
                              std::vector<PropertyValue>* values) {
  values->clear();
  for (PropertyId id : ids) {
    values->push_back(id == kPropFolderNotifications
                          ? PropertyValue::Number(id, session_->notify_mask())
                          : PropertyValue::NoValue(id));
  }
  return PimResult::kOk;
}

std::unique_ptr<PimItemCollection> PimFolder::Items() {
  std::vector<ObjectId> oids;
  if (session_->ListOids(&oids) != PimResult::kOk) oids.clear();
  return std::make_unique<PimItemCollection>(session_, std::move(oids));
}

}  // namespace platform::pim
