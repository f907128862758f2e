#include "contacts/ContactSmartListControl.h"

#include <atomic>

#include "contacts/CompareRows.h"
#include "contacts/ContactListItem.h"
#include "contacts/ContactLoader.h"
#include "contacts/ContactRecordMove.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/ContactStoreReads.h"
#include "contacts/NewContactListItem.h"
#include "contacts/SmsContactListItem.h"
#include "platform/ThreadPriority.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/AnimationRunners.h"
#include "toolkit/ISmartListFilter.h"
#include "toolkit/ItemHeightAnimation.h"
#include "toolkit/SeparatorItem.h"

namespace {

std::atomic<ContactSmartListControl*> g_current{nullptr};

// The favourite property's id, asked for once per process (0 until known).
std::atomic<uint32_t> g_favorite_id{0};

uint32_t FavoriteId(platform::pim::PimApplication& store) {
  uint32_t id = g_favorite_id.load();
  if (id == 0) {
    id = AskFavoritePropertyId(store);
    if (id != 0) g_favorite_id.store(id);
  }
  return id;
}

}  // namespace

ContactSmartListControl::ContactSmartListControl(platform::ui::HWND host_window,
                                                 const RECT& initial_rect)
    : SmartListControl(host_window, initial_rect) {
  const theme::SettingManager& settings = theme::Settings();
  SetEmptyText(settings.txt_LoadingContacts);
  SetBackgroundImage(settings.background_image_list.get());
  SetBackgroundColor(settings.background_color);
  show_pictures_ = settings.show_contact_images_in_list;
  contact_height_ = settings.contact_height;
  g_current.store(this);
}

ContactSmartListControl::~ContactSmartListControl() {
  {
    std::lock_guard lock(load_mutex_);
    cancel_ = true;
  }
  load_cv_.notify_all();
  if (loader_.joinable()) loader_.join();
  ContactSmartListControl* self = this;
  g_current.compare_exchange_strong(self, nullptr);
}

ContactSmartListControl* ContactSmartListControl::Current() {
  return g_current.load();
}

void ContactSmartListControl::Resort() {
  std::lock_guard lock(ListLock());
  if (unread_separator_ && read_separator_) {
    unread_separator_->height = 0;
    read_separator_->height = 0;
  }
  sort_keys_.Sort(DisplayedItems());
  sort_keys_.Sort(MasterItems());
  if (Filter()) Filter()->ArrangeDisplayed(*this, DisplayedItems());
  InvalidateContentHeight();
}

void ContactSmartListControl::StartLoading() {
  if (started_) return;
  started_ = true;
  {
    std::lock_guard lock(load_mutex_);
    loading_ = true;
  }
  loader_ = std::thread([this, settings = LoaderSettings::FromTheme()]() mutable {
    platform::LowerCurrentThreadPriority();  // below normal: the UI thread comes first
    ContactLoader(*this, store_, std::move(settings)).Run();
    std::lock_guard lock(load_mutex_);
    loading_ = false;
    load_cv_.notify_all();
  });
}

void ContactSmartListControl::NotifyLayoutReady() {
  ApplyThemeToRows();
  if (!started_) return;
  std::lock_guard lock(load_mutex_);
  if (layout_ready_) return;
  store_settings_ = std::make_unique<LoaderSettings>(LoaderSettings::FromTheme());
  layout_ready_ = true;
  load_cv_.notify_all();
}

void ContactSmartListControl::FitRowToTheme(IListItem& row) const {
  if (!themed_) return;
  if (dynamic_cast<ContactListItem*>(&row) != nullptr) {
    row.height = contact_height_;
  } else if (auto* separator = dynamic_cast<SeparatorItem*>(&row);
             separator != nullptr && !separator->text.empty()) {
    row.height = separator_height_;  // a letter separator; the SMS sections have no text
  }
}

void ContactSmartListControl::ApplyThemeToRows() {
  const theme::SettingManager& settings = theme::Settings();
  {
    std::lock_guard lock(ListLock());
    show_pictures_ = settings.show_contact_images_in_list;
    contact_height_ = settings.contact_height;
    separator_height_ = settings.separator_item_height;
    themed_ = true;
    std::vector<const ContactListItem*> contacts;
    for (IListItem* row : MasterItems()) {
      FitRowToTheme(*row);
      if (auto* contact = dynamic_cast<const ContactListItem*>(row)) contacts.push_back(contact);
    }
    if (SeparatorItem* header = HeaderItem()) header->height = settings.filter_title_height;
    for (const ContactListItem* contact : contacts) AddLetterSeparatorFor(*contact);
  }
  Resort();
}

void ContactSmartListControl::WaitForLoading() {
  if (loader_.joinable()) loader_.join();
}

bool ContactSmartListControl::IsLoading() const {
  std::lock_guard lock(load_mutex_);
  return loading_;
}

void ContactSmartListControl::RunSmsRecount() {
  if (sms_recount_) sms_recount_(*this);
}

ContactListItem* ContactSmartListControl::FindContactByObjectId(uint32_t object_id) {
  std::lock_guard lock(ListLock());
  if (indexed_count_ != GetItemCount()) {
    object_index_.clear();
    for (IListItem* row : MasterItems()) {
      if (auto* contact = dynamic_cast<ContactListItem*>(row)) {
        object_index_.try_emplace(contact->object_id, contact);  // the first row wins
      }
    }
    indexed_count_ = GetItemCount();
  }
  auto found = object_index_.find(object_id);
  if (found == object_index_.end() || found->second->object_id != object_id) return nullptr;
  return found->second;
}

void ContactSmartListControl::RetireRow(IListItem* row) {
  std::lock_guard lock(ListLock());
  std::unique_ptr<IListItem> owned = RemoveItem(row);
  if (!owned) return;
  sort_keys_.Forget(row);
  ForgetPicture(row);
  indexed_count_ = static_cast<size_t>(-1);
  retired_.push_back(std::move(owned));
}

void ContactSmartListControl::ReleaseRetiredRows() {
  std::vector<std::unique_ptr<IListItem>> rows;
  {
    std::lock_guard lock(ListLock());
    rows.swap(retired_);
  }
}

size_t ContactSmartListControl::RetiredRowCount() const {
  std::lock_guard lock(ListLock());
  return retired_.size();
}

bool ContactSmartListControl::RefillContact(ContactListItem& record) {
  if (!store_) return false;
  auto item = store_->GetItemFromOid(record.object_id);
  if (!item) return false;
  ContactListItem fresh(record.height);
  if (!FullReadContact(*item, FavoriteId(*store_), ContactFillSettings::FromTheme(), fresh)) {
    return false;
  }
  std::lock_guard lock(ListLock());
  MoveContactRecord(fresh, record);
  return true;
}

bool ContactSmartListControl::SetFavorite(ContactListItem& record, bool on) {
  if (!store_) return false;
  auto item = store_->GetItemFromOid(record.object_id);
  const uint32_t id = FavoriteId(*store_);
  if (!item || id == 0) return false;
  using platform::pim::PimResult;
  if (item->SetProps({platform::pim::PropertyValue::Number(id, on ? 1 : 0)}) != PimResult::kOk ||
      item->Save() != PimResult::kOk) {
    return false;
  }
  std::lock_guard lock(ListLock());
  record.favourite = on;
  return true;
}

void ContactSmartListControl::OnContactChanged(uint32_t object_id, bool animate) {
  if (!store_ || object_id == ContactListItem::kNoObjectId) return;
  ContactListItem* row = FindContactByObjectId(object_id);
  if (!row) {
    auto item = store_->GetItemFromOid(object_id);
    if (!item) return;  // deleted again before the notification arrived
    auto fresh = std::make_unique<ContactListItem>(contact_height_);
    if (!FullReadContact(*item, FavoriteId(*store_), ContactFillSettings::FromTheme(), *fresh) ||
        !fresh->shown) {
      return;  // hidden (no number) contacts are not listed
    }
    fresh->height = 0;
    std::lock_guard lock(ListLock());
    row = static_cast<ContactListItem*>(AddItem(std::move(fresh)));
    AddLetterSeparatorFor(*row);
  } else if (!RefillContact(*row)) {
    return;
  } else if (!row->shown) {
    OnContactDeleted(object_id);  // lost its last number while the theme hides such contacts
    return;
  }
  {
    std::lock_guard lock(ListLock());
    picture_tried_.erase(object_id);
  }
  LoadContactPicture(*row);
  Resort();
  auto grow = std::make_unique<ItemHeightAnimation>(*row, *this, contact_height_);
  if (animate) {
    RunListAnimation(HostWindow(), std::move(grow));
  } else {
    FinishAnimationAtOnce(*grow);
  }
  platform::ui::InvalidateRect(HostWindow(), &rect);
}

bool ContactSmartListControl::ClaimLetterSeparator(char16_t letter) {
  if (letter_separators_.find(letter) != std::u16string::npos) return false;
  letter_separators_.push_back(letter);
  return true;
}

// A contact added while the program runs under a letter that had no contact yet gets that
// letter's separator at once, as it would at the next start.
void ContactSmartListControl::AddLetterSeparatorFor(const ContactListItem& row) {
  const theme::SettingManager& settings = theme::Settings();
  if (row.text.empty() || settings.separator_item_height <= 1) return;
  // Senders who are not contacts sort last under no letter of their own.
  if (dynamic_cast<const SmsContactListItem*>(&row)) return;
  const char16_t letter = IndexLetterIn(row.text, settings.index_letters);
  if (letter == 0 || !ClaimLetterSeparator(letter)) return;
  AddItem(std::make_unique<SeparatorItem>(letter, settings.separator_item_height));
}

void ContactSmartListControl::OnContactDeleted(uint32_t object_id) {
  if (object_id == ContactListItem::kNoObjectId) return;
  if (ContactListItem* row = FindContactByObjectId(object_id)) {
    // The row stays alive (retired, not freed) whatever happens during the animation.
    RunListAnimation(HostWindow(), std::make_unique<ItemHeightAnimation>(*row, *this, 0));
    RetireRow(row);
  }
  InvalidateContentHeight();
  Resort();
  platform::ui::InvalidateRect(HostWindow(), &rect);
}

void ContactSmartListControl::Resize(const RECT& client) {
  RECT window{};
  if (!platform::ui::GetClientRect(HostWindow(), window)) window = client;
  const theme::SettingManager& settings = theme::Settings();
  rect.top = client.top;
  rect.right = client.right;
  rect.bottom = (window.bottom - window.top) - settings.icon_panel_height;
  SetBackgroundImage(settings.background_image_list.get());
  SetBackgroundColor(settings.background_color);
  ForceFullPaint();
  NotifyLayoutReady();
}

bool ContactSmartListControl::HasContentRows() const {
  for (size_t i = 0; i < DisplayedCount(); ++i) {
    const IListItem* row = DisplayedItem(i);
    if (dynamic_cast<const ContactListItem*>(row) != nullptr &&
        dynamic_cast<const NewContactListItem*>(row) == nullptr) {
      return true;
    }
  }
  return false;
}

void ContactSmartListControl::SetFilter(ISmartListFilter* filter) {
  SmartListControl::SetFilter(filter);
  last_typed_ = 0xFFFF;
}

// The loader thread moves fresh data into rows under the list's lock: a row's click and long
// press read the row under it too.
void ContactSmartListControl::OnItemClick(IListItem* item, int x, int y) {
  std::lock_guard lock(ListLock());
  SmartListControl::OnItemClick(item, x, y);
}

void ContactSmartListControl::OnItemLongPress(IListItem* item, int x, int y) {
  std::lock_guard lock(ListLock());
  LongPressRow(item, x, y);
}

void ContactSmartListControl::LongPressRow(IListItem* item, int, int) {
  auto* contact = dynamic_cast<ContactListItem*>(item);
  if (!contact || contact->phones.empty()) return;
  ContactRowNavigation::EditCall(contact->phones.back());
}
