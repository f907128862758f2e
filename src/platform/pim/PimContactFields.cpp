#include "platform/pim/PimContactFields.h"

#include <cctype>

namespace platform::pim {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

PropertyId FindContactField(std::string_view key) {
  if (EqualsNoCase(key, "name")) return prop::kLastName;
  for (const ContactTextField& field : kContactTextFields) {
    if (EqualsNoCase(key, field.key)) return field.id;
  }
  return 0;
}

std::string_view ContactFieldKey(PropertyId id) {
  for (const ContactTextField& field : kContactTextFields) {
    if (field.id == id) return field.key;
  }
  return {};
}

}  // namespace platform::pim
