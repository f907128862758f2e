#include "contacts/SortKeyCache.h"

#include <algorithm>
#include <functional>
#include <string_view>

#include "contacts/CompareRows.h"
#include "toolkit/BaseItem.h"

SortKeyCache::Decorated SortKeyCache::Decorate(IListItem* row) {
  const auto* base = dynamic_cast<const BaseItem*>(row);
  if (!base) return {0, 0, nullptr, row};
  if (base->text.empty()) return {1, base->order_value, nullptr, row};
  const uint64_t hash = std::hash<std::u16string_view>{}(base->text);
  Entry& entry = keys_[row];
  if (entry.key.empty() || entry.text_hash != hash) {
    entry.key = RowSortKey(base->text);
    entry.text_hash = hash;
  }
  return {2, 0, &entry.key, row};
}

bool SortKeyCache::Before(const Decorated& a, const Decorated& b) {
  if (a.rank != b.rank) return a.rank < b.rank;
  switch (a.rank) {
    case 0:
      return std::less<const IListItem*>{}(a.row, b.row);
    case 1:
      if (a.order_value != b.order_value) return a.order_value > b.order_value;
      return std::less<const IListItem*>{}(a.row, b.row);
    default:
      return *a.key < *b.key;
  }
}

void SortKeyCache::Sort(std::vector<IListItem*>& rows) {
  std::vector<Decorated> decorated;
  decorated.reserve(rows.size());
  for (IListItem* row : rows) decorated.push_back(Decorate(row));
  auto sorted_end = std::is_sorted_until(decorated.begin(), decorated.end(), Before);
  if (sorted_end != decorated.end()) {
    std::sort(sorted_end, decorated.end(), Before);
    std::inplace_merge(decorated.begin(), sorted_end, decorated.end(), Before);
  }
  for (size_t i = 0; i < rows.size(); ++i) rows[i] = decorated[i].row;
}

void SortKeyCache::Adopt(SortKeyCache& other, const IListItem* row) {
  auto node = other.keys_.extract(row);
  if (!node.empty()) keys_.insert_or_assign(row, std::move(node.mapped()));
}
