// Store reads that fill contact records.
#include "contacts/ContactStoreReads.h"

#include <vector>

#include "contacts/FillContact.h"

using namespace platform::pim;

bool BulkReadContact(const PimItemCollection& items, int position, const PropertyRequestList& list,
                     const ContactFillSettings& settings, ContactListItem& record) {
  std::vector<PropertyValue> values;
  if (items.GetProps(position, list.Ids(), &values) != PimResult::kOk) return false;
  FillContact(record, ContactValues(values, list), settings);
  return true;
}

bool FullReadContact(const PimItem& item, uint32_t favorite_id, const ContactFillSettings& settings,
                     ContactListItem& record) {
  std::vector<PropertyId> ids;
  ids.reserve(contacts::kContactFieldCount);
  for (const contacts::ContactField& field : contacts::kContactFieldTable) {
    ids.push_back(field.property_id);
  }
  ids[contacts::kRowFavorite] = favorite_id;
  std::vector<PropertyValue> values;
  if (item.GetProps(ids, &values) != PimResult::kOk) return false;
  FillContact(record, ContactValues(values), settings);
  return true;
}

uint32_t AskFavoritePropertyId(PimApplication& app) {
  PropertyId id = 0;
  if (app.GetIdFromName(contacts::kFavoritePropertyName, contacts::kFavoritePropertyFlags, &id) !=
      PimResult::kOk) {
    return 0;
  }
  return id;
}
