// Building the bulk-read request list from the theme's expressions.
#include "contacts/PropertyRequestList.h"

#include <algorithm>
#include <mutex>
#include <optional>

using namespace contacts;

namespace {

// Rows of the fixed part after the object id and the file-as name: the twelve phone and fax
// fields, then the three e-mail addresses.
constexpr int kFirstPhoneRow = 23;
constexpr int kLastPhoneRow = 34;

}  // namespace

PropertyRequestList::PropertyRequestList(const ContactExpressions& expressions,
                                         uint32_t favorite_id) {
  ids_.push_back(kContactFieldTable[kRowObjectId].property_id);
  ids_.push_back(kContactFieldTable[kRowFileAs].property_id);
  for (int row = kFirstPhoneRow; row <= kLastPhoneRow; ++row) {
    ids_.push_back(kContactFieldTable[row].property_id);
  }
  for (int row : {kRowEmail1, kRowEmail2, kRowEmail3}) {
    ids_.push_back(kContactFieldTable[row].property_id);
  }
  ids_.push_back(favorite_id);
  // The header expression comes twice, as the fill reads it twice.
  for (const std::u16string* e : {&expressions.header, &expressions.second_line, &expressions.sort,
                                  &expressions.header, &expressions.detail}) {
    AppendKeysOf(*e);
  }
  for (std::u16string_view e : {u"%company", u"%addresscity", u"%categories"}) AppendKeysOf(e);

  for (int row = 0; row < kContactFieldCount; ++row) {
    positions_[row] = FindPropertyIndex(ids_, kContactFieldTable[row].property_id);
  }
  positions_[kRowFavorite] = kFavoriteIndex;
}

const PropertyRequestList& PropertyRequestList::Global(const ContactExpressions& expressions,
                                                       uint32_t favorite_id) {
  static std::once_flag once;
  static std::optional<PropertyRequestList> list;
  std::call_once(once, [&] { list.emplace(expressions, favorite_id); });
  return *list;
}

int PropertyRequestList::PositionOfRow(int row) const {
  if (row < 0 || row >= kContactFieldCount) return -1;
  return positions_[row];
}

// Appends the property of every table key that occurs in `expression` (plain substring
// search, keys in table order), and for each shared address key the matching property of
// the business, home and other families.
void PropertyRequestList::AppendKeysOf(std::u16string_view expression) {
  for (int row = 1; row < kRowFavorite; ++row) {
    const ContactField& field = kContactFieldTable[row];
    bool named = expression.find(field.key) != std::u16string_view::npos ||
                 (!field.second_key.empty() &&
                  expression.find(field.second_key) != std::u16string_view::npos);
    if (named) Append(field.property_id);
  }
  for (const SharedAddressKey& shared : kSharedAddressKeys) {
    if (expression.find(shared.key) == std::u16string_view::npos) continue;
    for (int family_row : kAddressFamilyRows) {
      Append(kContactFieldTable[family_row + shared.offset].property_id);
    }
  }
}

void PropertyRequestList::Append(uint32_t id) {
  if (FindPropertyIndex(ids_, id) < 0) ids_.push_back(id);
}

int FindPropertyIndex(std::span<const uint32_t> list, uint32_t id) {
  auto it = std::find(list.begin(), list.end(), id);
  return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}
