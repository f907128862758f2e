// The contacts folder. Its one settable property, kPropFolderNotifications, turns change
// notifications on (see PimApplication); its items are every contact of the store.
#pragma once

#include <memory>
#include <vector>

#include "platform/pim/PimTypes.h"

namespace platform::pim {

class PimSession;
class PimItemCollection;

class PimFolder {
 public:
  explicit PimFolder(std::shared_ptr<PimSession> session);

  // Sets folder properties; only kPropFolderNotifications is known (kInvalidArgument else).
  PimResult SetProps(const std::vector<PropertyValue>& values);
  // Reads folder properties in the order asked; unknown ones come back without value.
  PimResult GetProps(const std::vector<PropertyId>& ids, std::vector<PropertyValue>* values);

  // The contacts as they are now: a collection addressed by positions 1..Count().
  std::unique_ptr<PimItemCollection> Items();

 private:
  std::shared_ptr<PimSession> session_;
};

}  // namespace platform::pim
