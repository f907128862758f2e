// The items of the contacts folder, addressed by positions 1..n. The order is the store's
// order: ascending object id, which is the order in which the contacts were created. The
// collection is a snapshot of the object ids taken when it was made: a contact created later
// is not in it, and reading a position whose contact was deleted since fails with kNotFound.
#pragma once

#include <memory>
#include <vector>

#include "platform/pim/PimTypes.h"

namespace platform::pim {

class PimSession;
class PimItem;

class PimItemCollection {
 public:
  PimItemCollection(std::shared_ptr<PimSession> session, std::vector<ObjectId> oids);

  int Count() const { return static_cast<int>(oids_.size()); }
  // Object id at a position (1..Count()), or 0 when out of range.
  ObjectId OidAt(int position) const;

  // Bulk read: the values of `ids` for the contact at `position`, one record per id in the
  // order asked (ids the contact has no value for come back with kFlagNoValue). kInvalidArgument
  // for a position out of range, kNotFound when the contact was deleted since the snapshot.
  PimResult GetProps(int position, const std::vector<PropertyId>& ids,
                     std::vector<PropertyValue>* values) const;

  // The item at a position, or nullptr.
  std::unique_ptr<PimItem> Item(int position) const;

 private:
  std::shared_ptr<PimSession> session_;
  std::vector<ObjectId> oids_;
};

}  // namespace platform::pim
