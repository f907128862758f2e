// One contact of the store. Property writes are kept on the item until Save, which stores them
// all in one transaction and reports the change (creation for a new item). Reads see the
// stored values with the unsaved writes of this item on top.
#pragma once

#include <map>
#include <memory>
#include <vector>

#include "platform/pim/PimTypes.h"

namespace platform::pim {

class PimSession;
class PimStream;

class PimItem {
 public:
  // oid 0 makes a new item that does not exist in the store until its first Save.
  PimItem(std::shared_ptr<PimSession> session, ObjectId oid);

  // 0 until a new item is saved.
  ObjectId Oid() const { return oid_; }

  // Values of `ids` in the order asked (kFlagNoValue for those without value). kNotFound when
  // the contact no longer exists.
  PimResult GetProps(const std::vector<PropertyId>& ids, std::vector<PropertyValue>* values) const;

  // Records values to store at the next Save. A record with kFlagNoValue (or an empty text)
  // removes the property. kInvalidArgument for a read-only or stream property, a text longer
  // than kMaxTextUnits, or a value whose kind does not match the id's type; nothing is recorded
  // then.
  PimResult SetProps(const std::vector<PropertyValue>& values);

  // Stores the recorded values and reports the contact created (first save) or changed.
  PimResult Save();

  // Removes the contact with its picture and reports its deletion. kNotFound when it is gone.
  PimResult Delete();

  // Opens a stream property (only kPropPicture) of a saved item for kAccessRead or
  // kAccessReadWrite. A missing picture opens as an empty stream.
  PimResult OpenProperty(PropertyId id, uint32_t access, std::unique_ptr<PimStream>* stream);

 private:
  std::shared_ptr<PimSession> session_;
  ObjectId oid_;
  std::map<PropertyId, PropertyValue> pending_;
};

}  // namespace platform::pim
