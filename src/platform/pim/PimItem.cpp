#include "platform/pim/PimItem.h"

#include <cstdint>

#include "platform/pim/PimSession.h"
#include "platform/pim/PimStream.h"

namespace platform::pim {

namespace {

constexpr uint32_t kAccessWriteBit = 0x40000000;

// Checks one value for SetProps and brings booleans to 0 or 1.
bool ValidateValue(PropertyValue* v) {
  switch (PropertyType(v->id)) {
    case kTypeText:
      return !v->HasValue() || v->text.size() <= kMaxTextUnits;
    case kTypeBoolean:
      v->number = v->number != 0;
      return true;
    case kTypeLong:
      return !v->HasValue() || (v->number >= INT32_MIN && v->number <= INT32_MAX);
    case kTypeUnsignedLong:
      return !v->HasValue() || (v->number >= 0 && v->number <= UINT32_MAX);
    case kTypeDate:
      return true;
    default:
      return false;  // object ids and streams cannot be set; unknown types are refused
  }
}

}  // namespace

PimItem::PimItem(std::shared_ptr<PimSession> session, ObjectId oid)
    : session_(std::move(session)), oid_(oid) {}

PimResult PimItem::GetProps(const std::vector<PropertyId>& ids,
                            std::vector<PropertyValue>* values) const {
  if (oid_ != 0) {
    PimResult r = session_->ReadProps(oid_, ids, values);
    if (r != PimResult::kOk) return r;
  } else {
    values->clear();
    for (PropertyId id : ids) {
      values->push_back(id == kPropObjectId ? PropertyValue::Number(id, 0)
                                            : PropertyValue::NoValue(id));
    }
  }
  for (PropertyValue& v : *values) {
    auto it = pending_.find(v.id);
    if (it == pending_.end()) continue;
    bool empty_text = PropertyType(v.id) == kTypeText && it->second.text.empty();
    v = empty_text ? PropertyValue::NoValue(v.id) : it->second;
  }
  return PimResult::kOk;
}

PimResult PimItem::SetProps(const std::vector<PropertyValue>& values) {
  std::vector<PropertyValue> checked = values;
  for (PropertyValue& v : checked) {
    if (!ValidateValue(&v)) return PimResult::kInvalidArgument;
  }
  for (PropertyValue& v : checked) {
    if (!v.HasValue()) v = PropertyValue::NoValue(v.id);
    PropertyId id = v.id;
    pending_[id] = std::move(v);
  }
  return PimResult::kOk;
}

PimResult PimItem::Save() {
  ObjectId oid = oid_;
  PimResult r = session_->SaveItem(&oid, pending_);
  if (r == PimResult::kOk) {
    oid_ = oid;
    pending_.clear();
  }
  return r;
}

PimResult PimItem::Delete() {
  if (oid_ == 0) return PimResult::kNotFound;
  return session_->DeleteItem(oid_);
}

PimResult PimItem::OpenProperty(PropertyId id, uint32_t access,
                                std::unique_ptr<PimStream>* stream) {
  stream->reset();
  if (id != kPropPicture || (access & kAccessRead) == 0) return PimResult::kInvalidArgument;
  if (oid_ == 0) return PimResult::kNotFound;
  std::string bytes;
  PimResult r = session_->ReadPicture(oid_, &bytes);
  // A picture stored too large by another writer opens empty, so that it can be replaced.
  if (r == PimResult::kTooLarge)
    bytes.clear();
  else if (r != PimResult::kOk)
    return r;
  *stream = std::make_unique<PimStream>(session_, oid_, (access & kAccessWriteBit) != 0,
                                        std::move(bytes));
  return PimResult::kOk;
}

}  // namespace platform::pim
