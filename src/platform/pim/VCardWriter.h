// Writes contacts as vCard 3.0 (the default) or 4.0. Every text property of the store, the
// favourite flag and the picture have a place, so that reading the file back gives the same
// contact. Lines end with CRLF and are folded at 75 octets.
#pragma once

#include <string>

#include "platform/pim/VCardContact.h"

namespace platform::pim {

enum class VCardVersion { k30, k40 };

class VCardWriter {
 public:
  static std::string Write(const VCardContact& contact, VCardVersion version);
};

}  // namespace platform::pim
