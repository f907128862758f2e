// Sorting rows by collation keys computed once per row text. A row's key is kept with a hash
// of the text it came from, so a row whose text changed (a refilled contact) gets a new key
// and every other row is sorted by comparing bytes.
//
// The order is the one CompareRows defines, made strict for every row: rows that are not
// BaseItems sort first, then rows with an empty text (larger order value first, then by
// address), then by key. Not thread-safe: the contact list uses it under its lock.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

class IListItem;

class SortKeyCache {
 public:
  // Sorts `rows`. When a leading part is already in order (rows appended to a sorted
  // sequence), only the rest is sorted and merged in, so adding a batch costs O(n).
  void Sort(std::vector<IListItem*>& rows);
  // Drops the key of a row that leaves the list (its address may be reused).
  void Forget(const IListItem* row) { keys_.erase(row); }
  // Takes over the key `other` holds for `row`, if any.
  void Adopt(SortKeyCache& other, const IListItem* row);
  size_t size() const { return keys_.size(); }
  void Clear() { keys_.clear(); }

 private:
  struct Entry {
    uint64_t text_hash = 0;
    std::string key;
  };
  // The sort entry of a row: non-BaseItems rank 0, empty texts rank 1, others rank 2.
  struct Decorated {
    int rank;
    int32_t order_value;
    const std::string* key;
    IListItem* row;
  };
  Decorated Decorate(IListItem* row);
  static bool Before(const Decorated& a, const Decorated& b);

  std::unordered_map<const IListItem*, Entry> keys_;
};
