// One recipient of a message: display name, address, address type ("SMS") and recipient type
// (MAPI_TO, 1, for the "To" recipient).
#pragma once

#include <cstdint>
#include <string>

#include "platform/msgstore/MapiDefs.h"

struct CMAPIRecipient {
  std::u16string display_name;
  std::u16string address;
  std::u16string address_type;
  uint32_t recipient_type = MAPI_TO;

  friend bool operator==(const CMAPIRecipient&, const CMAPIRecipient&) = default;
};
