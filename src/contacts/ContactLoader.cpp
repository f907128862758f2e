#include "contacts/ContactLoader.h"

#include <algorithm>
#include <mutex>

#include "contacts/CacheFileWriter.h"
#include "contacts/CacheLineReader.h"
#include "contacts/CompareRows.h"
#include "contacts/ContactCache.h"
#include "contacts/ContactRecordMove.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/ContactStoreReads.h"
#include "contacts/NewContactListItem.h"
#include "contacts/SmsContactListItem.h"
#include "platform/Messages.h"
#include "platform/pim/PimFolder.h"
#include "platform/pim/PimItemCollection.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"

namespace {

// A batch is put into the list once it holds this many rows, or an eighth of the list when
// that is more: the list grows in about 50 steps, each merged in O(n).
constexpr size_t kMinBatch = 10;
constexpr size_t kBatchDivisor = 8;

constexpr int32_t kSmsSeparatorOrder = 100;
constexpr int32_t kSmsCountUnset = 0xFFFFFF;

std::unique_ptr<SeparatorItem> MakeSmsSeparator(const char16_t* caption, int32_t unread) {
  auto row = std::make_unique<SeparatorItem>(u'0', 0);
  row->caption = caption;
  row->text.clear();
  row->order_value = kSmsSeparatorOrder;
  row->unread_sms_count = unread;
  row->sms_count = kSmsCountUnset;
  return row;
}

}  // namespace

LoaderSettings LoaderSettings::FromTheme() {
  const theme::SettingManager& s = theme::Settings();
  LoaderSettings settings;
  settings.fill = ContactFillSettings::FromTheme();
  settings.separator_item_height = s.separator_item_height;
  settings.index_letters = s.index_letters;
  settings.new_contact_text = s.txt_NewContact;
  settings.loading_text = s.txt_LoadingContacts;
  return settings;
}

ContactLoader::ContactLoader(ContactSmartListControl& list, platform::pim::PimApplication* store,
                             LoaderSettings cache_settings)
    : list_(list), store_(store), cache_settings_(std::move(cache_settings)) {}

ContactLoader::~ContactLoader() = default;

bool ContactLoader::Cancelled() const {
  std::lock_guard lock(list_.load_mutex_);
  return list_.cancel_;
}

void ContactLoader::PostRepaint() {
  platform::ui::PostMessage(list_.HostWindow(), kMsgRepaint, 0, 0);
}

void ContactLoader::Run() {
  AddFixedRows();
  CachePhase();
  std::unique_ptr<LoaderSettings> settings;
  {
    std::unique_lock lock(list_.load_mutex_);
    list_.load_cv_.wait(lock, [this] { return list_.layout_ready_ || list_.cancel_; });
    if (list_.cancel_) return;
    settings = std::move(list_.store_settings_);
  }
  if (settings) SeparateCachedRows(*settings);
  if (store_ && settings) StorePhase(*settings);
  if (Cancelled()) return;
  {
    std::lock_guard lock(list_.ListLock());
    list_.SetEmptyText(kNoContactText);
  }
  PostRepaint();
  list_.RunSmsRecount();
}

void ContactLoader::AddFixedRows() {
  std::lock_guard lock(list_.ListLock());
  list_.AddItem(std::make_unique<NewContactListItem>(cache_settings_.new_contact_text,
                                                     cache_settings_.fill.contact_height));
  auto* unread =
      static_cast<SeparatorItem*>(list_.AddItem(MakeSmsSeparator(u"Unread SMS", kSmsCountUnset)));
  auto* read = static_cast<SeparatorItem*>(list_.AddItem(MakeSmsSeparator(u"Read SMS", 1)));
  list_.SetSmsSeparatorRows(unread, read);
  list_.Resort();
}

void ContactLoader::CachePhase() {
  CacheLineReader reader{std::string()};
  if (!CacheLineReader::FromFile(ContactCachePath(), kMaxContactCacheBytes, reader)) return;
  auto records = ReadContactCache(reader, cache_settings_.fill.contact_height);
  if (records.empty()) return;
  Batch batch;
  batch.reserve(records.size() + 32);
  for (auto& record : records) {
    ApplySeparatorRule(*record, cache_settings_, batch);
    record->shown = false;  // unconfirmed until the store lists it
    batch.push_back(std::move(record));
  }
  Flush(batch);
  PostRepaint();
  list_.RunSmsRecount();
  {
    std::lock_guard lock(list_.ListLock());
    // Asks the filter again about the cached rows without touching the typing state, which
    // belongs to the UI thread, nor the header, whose height comes from the theme the UI
    // thread may be loading right now.
    if (list_.RefreshFilter()) list_.Resort();
  }
  PostRepaint();
}

// One pass over the store; the per-position work is spelled out in order, hence the length.
void ContactLoader::StorePhase(const LoaderSettings& settings) {
  auto folder = store_->GetDefaultFolder(platform::pim::kFolderContacts);
  if (!folder) return;
  auto items = folder->Items();
  if (!items) return;
  const PropertyRequestList& request =
      PropertyRequestList::Global(settings.fill.expressions, AskFavoritePropertyId(*store_));
  CacheFileWriter cache;
  const bool caching = cache.Open(ContactCachePath());
  if (caching) WriteCacheHeader(cache);
  Batch batch;
  const int count = items->Count();
  for (int position = 1; position <= count && !Cancelled(); ++position) {
    auto record = std::make_unique<ContactListItem>(settings.fill.contact_height);
    if (!BulkReadContact(*items, position, request, settings.fill, *record) || !record->shown) {
      continue;  // not shown: dropped here, the list never saw it
    }
    bool existed = false;
    {
      std::lock_guard lock(list_.ListLock());
      if (ContactListItem* existing = list_.FindContactByObjectId(record->object_id)) {
        const bool moved = existing->text != record->text;
        MoveContactRecord(*record, *existing);
        existing->shown = true;
        if (moved) list_.Resort();
        if (caching) WriteCacheRecord(*existing, cache);
        // Rows confirmed from the cache get their letter separator here too: the cache
        // phase ran before the theme was loaded and may have made none.
        ApplySeparatorRule(*existing, settings, batch);
        existed = true;
      }
    }
    if (!existed) {
      if (caching) WriteCacheRecord(*record, cache);
      ApplySeparatorRule(*record, settings, batch);
      batch.push_back(std::move(record));
    }
    if (batch.size() >= std::max(kMinBatch, list_.GetItemCount() / kBatchDivisor)) {
      Flush(batch);
      PostRepaint();
    }
  }
  if (Cancelled()) return;
  if (caching && !cache.Commit()) cache.Abandon();
  Flush(batch);
  RemoveUnconfirmed();
  PostRepaint();
}

// The cache phase ran before the theme was loaded, so its rows may lack the separators the
// theme asks for; without a readable store nothing else would add them.
void ContactLoader::SeparateCachedRows(const LoaderSettings& settings) {
  Batch batch;
  {
    std::lock_guard lock(list_.ListLock());
    for (const IListItem* row : list_.MasterItems()) {
      if (const auto* contact = dynamic_cast<const ContactListItem*>(row)) {
        ApplySeparatorRule(*contact, settings, batch);
      }
    }
  }
  if (!batch.empty()) Flush(batch);
}

void ContactLoader::ApplySeparatorRule(const ContactListItem& record,
                                       const LoaderSettings& settings, Batch& batch) {
  // Senders who are not contacts sort last under no letter of their own.
  if (record.text.empty() || dynamic_cast<const SmsContactListItem*>(&record)) return;
  if (settings.separator_item_height <= 1) return;
  const char16_t letter = IndexLetterIn(record.text, settings.index_letters);
  if (letter == 0 || seen_letters_.find(letter) != std::u16string::npos) return;
  seen_letters_.push_back(letter);
  batch.push_back(std::make_unique<SeparatorItem>(letter, settings.separator_item_height));
}

void ContactLoader::Flush(Batch& batch) {
  // Keys are computed here, outside the lock, for rows only this thread knows yet.
  SortKeyCache fresh;
  {
    std::vector<IListItem*> rows;
    rows.reserve(batch.size());
    for (auto& row : batch) rows.push_back(row.get());
    fresh.Sort(rows);
  }
  std::lock_guard lock(list_.ListLock());
  // A change notification handled meanwhile may have added the same contact already; such
  // rows are dropped (the list's row is the fresher one). Checked before adding anything, so
  // the object id index is built once per batch.
  for (auto& row : batch) {
    auto* contact = dynamic_cast<ContactListItem*>(row.get());
    if (contact && contact->object_id != ContactListItem::kNoObjectId &&
        list_.FindContactByObjectId(contact->object_id)) {
      fresh.Forget(row.get());
      row.reset();
    }
  }
  for (auto& row : batch) {
    if (!row) continue;
    // A letter separator the list got meanwhile (a contact added by notification) is not
    // added twice.
    if (auto* separator = dynamic_cast<SeparatorItem*>(row.get());
        separator && !separator->caption.empty() &&
        !list_.ClaimLetterSeparator(separator->caption.front())) {
      fresh.Forget(row.get());
      continue;
    }
    list_.SortKeys().Adopt(fresh, row.get());
    // Rows made before the theme was loaded (the cache phase) take its heights now.
    list_.FitRowToTheme(*row);
    list_.AddItem(std::move(row));
  }
  batch.clear();
  list_.Resort();
}

void ContactLoader::RemoveUnconfirmed() {
  std::lock_guard lock(list_.ListLock());
  std::vector<IListItem*> stale;
  for (IListItem* row : list_.MasterItems()) {
    const auto* contact = dynamic_cast<const ContactListItem*>(row);
    if (contact && !contact->shown) stale.push_back(row);
  }
  for (IListItem* row : stale) list_.RetireRow(row);
  list_.Resort();
}
