// Fuzzes formatting expressions with structured input: the expression is a run of tokens that
// are either real keys of the field table (field keys, second keys, shared address keys,
// "%phone", the line-break escape) or fuzzed text, and the contact's values, which may
// themselves hold keys, fill chosen rows. The expression is expanded in the table form and in
// the request-list form; both stay within the length cap.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "contacts/ContactFieldTable.h"
#include "contacts/ExpandExpression.h"
#include "platform/Text.h"

using platform::pim::PropertyValue;

namespace {

// Either a key the expansion knows, cut short sometimes, or fuzzed text.
std::u16string Token(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 4)) {
    case 0: {
      const auto& field = contacts::kContactFieldTable[in.ConsumeIntegralInRange(
          0, contacts::kContactFieldCount - 1)];
      std::u16string key(in.ConsumeBool() ? field.key : field.second_key);
      if (in.ConsumeBool() && !key.empty())
        key.resize(in.ConsumeIntegralInRange<size_t>(1, key.size()));
      return key;
    }
    case 1:
      return std::u16string(
          contacts::kSharedAddressKeys[in.ConsumeIntegralInRange<size_t>(
                                           0, contacts::kSharedAddressKeys.size() - 1)]
              .key);
    case 2:
      return in.ConsumeBool() ? u"%phone" : u"\\n";
    default:
      return platform::FromUtf8(in.ConsumeRandomLengthString(12));
  }
}

std::u16string Text(FuzzedDataProvider& in, int max_tokens) {
  std::u16string text;
  const int tokens = in.ConsumeIntegralInRange(0, max_tokens);
  for (int i = 0; i < tokens && in.remaining_bytes() > 0; ++i) text += Token(in);
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const std::u16string expression = Text(in, 24);
  std::vector<PropertyValue> table;
  for (int row = 0; row < contacts::kContactFieldCount; ++row) {
    table.push_back(PropertyValue::NoValue(contacts::kContactFieldTable[row].property_id));
  }
  ContactListItem record(36);
  const int values = in.ConsumeIntegralInRange(0, 24);
  for (int i = 0; i < values && in.remaining_bytes() > 0; ++i) {
    const int row = in.ConsumeIntegralInRange(1, contacts::kContactFieldCount - 2);
    table[row] = PropertyValue::Text(table[row].id, Text(in, 4));
    if (in.ConsumeBool()) record.phones.push_back(PhoneEntry{Text(in, 2), 1});
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
