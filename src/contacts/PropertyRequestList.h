// The ordered list of property ids read for every contact by the bulk load, and the map from
// each row of the field table to its position in that list.
//
// The list holds a fixed part (object id, file-as name, the twelve phone and fax fields,
// the three e-mail addresses), the favourite property, then every property that the
// expressions it was built from name. The process-wide list is built once, from the theme's
// expressions as they are at the first bulk read, and never rebuilt: a theme change that
// brings a new key leaves that key unrequested until the next start.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "contacts/ContactFieldTable.h"

// The expressions a request list is built from.
struct ContactExpressions {
  std::u16string header;       // contact_header_formatting
  std::u16string second_line;  // contact_secondline_formatting
  std::u16string sort;         // contact_sort_expression
  std::u16string detail;       // contact_detail_formatting
};

class PropertyRequestList {
 public:
  // Length of the fixed part; also the position of the favourite value.
  static constexpr int kFixedCount = 17;
  static constexpr int kFavoriteIndex = kFixedCount;

  // Builds a list from `expressions`, with `favorite_id` as the favourite property.
  PropertyRequestList(const ContactExpressions& expressions, uint32_t favorite_id);

  // The process-wide list: built by the first call from `expressions` and `favorite_id`;
  // later calls return that same list whatever they pass. Thread-safe.
  static const PropertyRequestList& Global(const ContactExpressions& expressions,
                                           uint32_t favorite_id);

  const std::vector<uint32_t>& Ids() const { return ids_; }
  // Position of the value of table row `row` in a bulk read, or -1 when not requested.
  int PositionOfRow(int row) const;

 private:
  void AppendKeysOf(std::u16string_view expression);
  void Append(uint32_t id);

  std::vector<uint32_t> ids_;
  std::array<int, contacts::kContactFieldCount> positions_{};
};

// The position of `id` in `list`, or -1.
int FindPropertyIndex(std::span<const uint32_t> list, uint32_t id);
