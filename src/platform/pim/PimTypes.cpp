#include "platform/pim/PimTypes.h"

#include <algorithm>

namespace platform::pim {

PropertyValue PropertyValue::Text(PropertyId id, std::u16string value) {
  PropertyValue v;
  v.id = id;
  v.length = static_cast<uint16_t>(std::min<size_t>(value.size() * 2, 0xFFFF));
  v.text = std::move(value);
  return v;
}

PropertyValue PropertyValue::Number(PropertyId id, int64_t value) {
  PropertyValue v;
  v.id = id;
  v.length = PropertyType(id) == kTypeDate ? 8 : 4;
  v.number = value;
  return v;
}

PropertyValue PropertyValue::NoValue(PropertyId id) {
  PropertyValue v;
  v.id = id;
  v.flags = kFlagNoValue;
  return v;
}

}  // namespace platform::pim
