#include "platform/pim/VCardContact.h"

namespace platform::pim {

const std::u16string& VCardContact::Text(PropertyId id) const {
  static const std::u16string kEmpty;
  auto it = texts.find(id);
  return it == texts.end() ? kEmpty : it->second;
}

void VCardContact::SetText(PropertyId id, std::u16string value) {
  if (value.empty()) {
    texts.erase(id);
  } else {
    texts[id] = std::move(value);
  }
}

}  // namespace platform::pim
