#include "platform/pim/PimItemCollection.h"

#include "platform/pim/PimItem.h"
#include "platform/pim/PimSession.h"

namespace platform::pim {

PimItemCollection::PimItemCollection(std::shared_ptr<PimSession> session,
                                     std::vector<ObjectId> oids)
    : session_(std::move(session)), oids_(std::move(oids)) {}

ObjectId PimItemCollection::OidAt(int position) const {
  if (position < 1 || position > Count()) return 0;
  return oids_[static_cast<size_t>(position - 1)];
}

PimResult PimItemCollection::GetProps(int position, const std::vector<PropertyId>& ids,
                                      std::vector<PropertyValue>* values) const {
  ObjectId oid = OidAt(position);
  if (oid == 0) {
    values->clear();
    return PimResult::kInvalidArgument;
  }
  return session_->ReadProps(oid, ids, values);
}

std::unique_ptr<PimItem> PimItemCollection::Item(int position) const {
  ObjectId oid = OidAt(position);
  if (oid == 0 || !session_->Exists(oid)) return nullptr;
  return std::make_unique<PimItem>(session_, oid);
}

}  // namespace platform::pim
