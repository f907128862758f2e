// Lookups of field table rows in a contact's property values.
#include "contacts/ContactValues.h"

using platform::pim::PropertyValue;

const PropertyValue* ContactValues::Find(int row) const {
  if (row < 0 || row >= contacts::kContactFieldCount) return nullptr;
  int position = list_ ? list_->PositionOfRow(row) : row;
  if (position < 0 || static_cast<size_t>(position) >= values_.size()) return nullptr;
  return &values_[static_cast<size_t>(position)];
}

ValueState ContactValues::Text(int row, std::u16string_view& text) const {
  if (list_ && list_->PositionOfRow(row) < 0) return ValueState::kNotRequested;
  const PropertyValue* value = Find(row);
  if (!value || !value->HasText()) return ValueState::kAbsent;
  text = value->text;
  return ValueState::kPresent;
}

bool ContactValues::IsPresent(int row) const {
  std::u16string_view ignored;
  return Text(row, ignored) == ValueState::kPresent;
}

int64_t ContactValues::Number(int row) const {
  const PropertyValue* value = Find(row);
  if (!value || !value->HasValue()) return 0;
  return value->number;
}
