// Builders of contact property values for the contact tests: a full read in field table
// order, or a bulk read through a request list, from a few (row, text) pairs.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "contacts/ContactFieldTable.h"
#include "contacts/PropertyRequestList.h"
#include "platform/pim/PimTypes.h"

namespace contact_test {

inline constexpr uint32_t kFavoriteId = 0x8001000B;

struct Field {
  int row;
  std::u16string text;
};

// Property id of table row `row` (the favourite row gets kFavoriteId).
inline uint32_t RowId(int row) {
  return row == contacts::kRowFavorite
             ? kFavoriteId
             : contacts::kContactFieldTable[static_cast<size_t>(row)].property_id;
}

// The value record a store would return for `id` given the contact's texts.
inline platform::pim::PropertyValue ValueOf(uint32_t id, const std::vector<Field>& fields,
                                            uint32_t object_id, bool favourite) {
  using platform::pim::PropertyValue;
  if (id == contacts::kObjectIdProperty) return PropertyValue::Number(id, object_id);
  if (id == kFavoriteId) return PropertyValue::Number(id, favourite ? 1 : 0);
  for (const Field& f : fields) {
    if (RowId(f.row) == id) return PropertyValue::Text(id, f.text);
  }
  return PropertyValue::NoValue(id);
}

// A full read: 65 records in table order.
inline std::vector<platform::pim::PropertyValue> TableValues(const std::vector<Field>& fields,
                                                             uint32_t object_id = 7,
                                                             bool favourite = false) {
  std::vector<platform::pim::PropertyValue> values;
  for (int row = 0; row < contacts::kContactFieldCount; ++row) {
    values.push_back(ValueOf(RowId(row), fields, object_id, favourite));
  }
  return values;
}

// A bulk read of the ids of `list`.
inline std::vector<platform::pim::PropertyValue> BulkValues(const PropertyRequestList& list,
                                                            const std::vector<Field>& fields,
                                                            uint32_t object_id = 7,
                                                            bool favourite = false) {
  std::vector<platform::pim::PropertyValue> values;
  for (uint32_t id : list.Ids()) values.push_back(ValueOf(id, fields, object_id, favourite));
  return values;
}

}  // namespace contact_test
