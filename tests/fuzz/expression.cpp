// Fuzzes formatting expressions: the input is split into an expression and values for a few
// fields, then expanded in the table form and in the request-list form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "contacts/ContactFieldTable.h"
#include "contacts/ExpandExpression.h"

using platform::pim::PropertyValue;

namespace {

// Pieces of the input separated by 0x00 0x00 as UTF-16 little-endian texts.
std::vector<std::u16string> Pieces(const uint8_t* data, size_t size) {
  std::vector<std::u16string> pieces(1);
  for (size_t i = 0; i + 1 < size; i += 2) {
    char16_t c = static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    if (c == 0) {
      pieces.emplace_back();
    } else {
      pieces.back() += c;
    }
  }
  return pieces;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::u16string> pieces = Pieces(data, size);
  const std::u16string& expression = pieces[0];
  // Piece i fills the table row chosen by its first unit; the rest is the value.
  std::vector<PropertyValue> table;
  for (int row = 0; row < contacts::kContactFieldCount; ++row) {
    table.push_back(PropertyValue::NoValue(contacts::kContactFieldTable[row].property_id));
  }
  ContactListItem record(36);
  for (size_t i = 1; i < pieces.size() && i < 40; ++i) {
    if (pieces[i].empty()) continue;
    int row = 1 + pieces[i][0] % (contacts::kContactFieldCount - 2);
    table[row] = PropertyValue::Text(table[row].id, pieces[i].substr(1));
    if (pieces[i][0] & 0x100) record.phones.push_back(PhoneEntry{pieces[i].substr(1), 1});
  }
  std::u16string out = ExpandExpression(expression, record, ContactValues(table));
  if (out.size() > kMaxExpandedLength) abort();

  PropertyRequestList list(ContactExpressions{expression, u"%phone", u"%fileas", u""}, 1);
  std::vector<PropertyValue> bulk;
  for (uint32_t id : list.Ids()) {
    int row = 0;
    while (row < contacts::kContactFieldCount &&
           contacts::kContactFieldTable[row].property_id != id)
      ++row;
    bulk.push_back(row < contacts::kContactFieldCount ? table[row] : PropertyValue::NoValue(id));
  }
  out = ExpandExpression(expression, record, ContactValues(bulk, list));
  if (out.size() > kMaxExpandedLength) abort();
  return 0;
}
