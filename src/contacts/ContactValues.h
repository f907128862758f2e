// The property values of one contact together with the layout they were read in: either a
// bulk read through a PropertyRequestList (the request-list form) or a full read in field
// table order (the table form). Rows of the field table are looked up through the layout.
//
// The values are borrowed: the view must not outlive the records it was made from.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "contacts/PropertyRequestList.h"
#include "platform/pim/PimTypes.h"

// What a lookup found for a row.
enum class ValueState {
  kPresent,       // a text value the contact has
  kAbsent,        // no value, not a text, or missing from the read
  kNotRequested,  // request-list form only: the row's property was never asked for
};

class ContactValues {
 public:
  // Request-list form: `values[i]` is the value of `list.Ids()[i]`.
  ContactValues(std::span<const platform::pim::PropertyValue> values,
                const PropertyRequestList& list)
      : values_(values), list_(&list) {}
  // Table form: `values[row]` is the value of field table row `row`.
  explicit ContactValues(std::span<const platform::pim::PropertyValue> values) : values_(values) {}

  bool IsRequestListForm() const { return list_ != nullptr; }

  // The text of table row `row`; `text` is set (to a view into the values) only when
  // present.
  ValueState Text(int row, std::u16string_view& text) const;
  bool IsPresent(int row) const;

  // The number of table row `row` (object id, favourite), or 0 when it has no value.
  int64_t Number(int row) const;

 private:
  const platform::pim::PropertyValue* Find(int row) const;

  std::span<const platform::pim::PropertyValue> values_;
  const PropertyRequestList* list_ = nullptr;
};
