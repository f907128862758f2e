#include "contacts/SmsFilterItem.h"

#include <algorithm>

#include "contacts/ContactListItem.h"
#include "platform/Text.h"
#include "theme/SettingManager.h"
#include "toolkit/SeparatorItem.h"
#include "toolkit/SmartListControl.h"

namespace {

// True when `a` comes before `b` in SMS order.
bool ComesFirstBySms(const BaseItem* a, const BaseItem* b) {
  if (a->unread_sms_count != b->unread_sms_count) {
    return a->unread_sms_count > b->unread_sms_count;
  }
  if (a->newest_sms_time != b->newest_sms_time) return a->newest_sms_time > b->newest_sms_time;
  if (a->sms_count != b->sms_count) return a->sms_count > b->sms_count;
  return platform::CompareNoCase(a->text, b->text) < 0;
}

bool HasUnreadContact(const std::vector<IListItem*>& rows) {
  return std::any_of(rows.begin(), rows.end(), [](const IListItem* row) {
    const auto* contact = dynamic_cast<const ContactListItem*>(row);
    return contact != nullptr && contact->unread_sms_count > 0;
  });
}

}  // namespace

SmsFilterItem::SmsFilterItem()
    : title_(theme::Settings().txt_FilteredBySms),
      separator_height_(theme::Settings().filter_title_height) {}

// Contacts with SMS, and the contact list's two SMS separator rows (the only separators that
// carry SMS counts): without them the "Read SMS" row that ArrangeDisplayed sizes could never
// be shown. Letter separators (counts 0) stay hidden.
bool SmsFilterItem::Accept(const IListItem& row) {
  if (const auto* contact = dynamic_cast<const ContactListItem*>(&row)) {
    return contact->sms_count > 0;
  }
  const auto* separator = dynamic_cast<const SeparatorItem*>(&row);
  return separator != nullptr && separator->sms_count > 0;
}

void SmsFilterItem::ArrangeDisplayed(SmartListControl& list, std::vector<IListItem*>& displayed) {
  PlaceSeparators(list.SmsSeparatorRows(), list.MasterItems(), separator_height_);
  SortBySms(displayed);
}

void SmsFilterItem::PlaceSeparators(std::pair<SeparatorItem*, SeparatorItem*> separators,
                                    const std::vector<IListItem*>& master, int32_t shown_height) {
  auto [unread_separator, read_separator] = separators;
  if (unread_separator == nullptr || read_separator == nullptr) return;
  unread_separator->height = 0;
  read_separator->height = 0;
  if (HasUnreadContact(master)) read_separator->height = shown_height;
}

// Sorting with "rows that are not BaseItems compare equal to everything" would not be a
// strict weak order (a non-BaseItem would be equal to two rows that differ), which std::sort
// may answer with out-of-range accesses. Instead the BaseItem rows are sorted among
// themselves and written back into the slots they occupied.
void SmsFilterItem::SortBySms(std::vector<IListItem*>& rows) {
  std::vector<size_t> slots;
  std::vector<BaseItem*> items;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (auto* item = dynamic_cast<BaseItem*>(rows[i])) {
      slots.push_back(i);
      items.push_back(item);
    }
  }
  std::sort(items.begin(), items.end(), ComesFirstBySms);
  for (size_t k = 0; k < slots.size(); ++k) rows[slots[k]] = items[k];
}
