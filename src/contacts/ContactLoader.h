// The loading thread of the contact list. It adds the fixed rows (new contact, the two SMS
// separators), then lists the contacts of the cache file at once, then, once the first
// relayout is over, reads the store position by position: cached rows are confirmed and
// refreshed in place, new contacts added, the cache file rewritten, and rows the store no
// longer has are dropped at the end.
//
// Every change to the list is made under its lock and leaves it sorted. New rows are
// gathered in batches whose collation keys are computed outside the lock; each batch is
// sorted and merged into the sorted rows, and the batches grow with the list, so a load of
// n contacts costs O(n log n) instead of a full re-sort every ten rows.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactFillSettings.h"

class ContactListItem;
class ContactSmartListControl;
class IListItem;

namespace platform::pim {
class PimApplication;
}

// The theme values one phase of the load works with, copied on the UI thread.
struct LoaderSettings {
  ContactFillSettings fill;
  int32_t separator_item_height = 0;
  std::u16string index_letters;
  std::u16string new_contact_text;
  std::u16string loading_text;
  static LoaderSettings FromTheme();
};

// The text shown when the loaded list holds no contact.
inline constexpr char16_t kNoContactText[] =
    u"No Contact (Please note that SIM contact aren't loaded)";

class ContactLoader {
 public:
  // `store` may be null: the cache phase alone runs then.
  ContactLoader(ContactSmartListControl& list, platform::pim::PimApplication* store,
                LoaderSettings cache_settings);
  ~ContactLoader();
  ContactLoader(const ContactLoader&) = delete;
  ContactLoader& operator=(const ContactLoader&) = delete;

  // The whole load; runs on the loading thread.
  void Run();

 private:
  using Batch = std::vector<std::unique_ptr<IListItem>>;

  void AddFixedRows();
  void CachePhase();
  void SeparateCachedRows(const LoaderSettings& settings);
  void StorePhase(const LoaderSettings& settings);
  // Adds a separator to `batch` when `record` starts a letter not yet seen.
  void ApplySeparatorRule(const ContactListItem& record, const LoaderSettings& settings,
                          Batch& batch);
  // Puts the batch into the list and re-sorts, all under the list's lock.
  void Flush(Batch& batch);
  void RemoveUnconfirmed();
  void PostRepaint();
  bool Cancelled() const;

  ContactSmartListControl& list_;
  platform::pim::PimApplication* store_;
  LoaderSettings cache_settings_;
  std::u16string seen_letters_;
};
