// One phone number of a contact: the number as stored (not normalised) and the property id
// of the phone field it came from.
#pragma once

#include <cstdint>
#include <string>

struct PhoneEntry {
  std::u16string number;
  uint32_t field_id = 0;
  friend bool operator==(const PhoneEntry&, const PhoneEntry&) = default;
};
