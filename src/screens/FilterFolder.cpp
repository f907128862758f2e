#include "screens/FilterFolder.h"

#include <algorithm>
#include <mutex>

#include "contacts/ContactListItem.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/ScreenNavigation.h"
#include "platform/Text.h"
#include "theme/SettingManager.h"
#include "theme/SplitText.h"

namespace {

void AddDistinct(std::vector<std::u16string>& values, std::u16string value) {
  if (std::find(values.begin(), values.end(), value) == values.end()) {
    values.push_back(std::move(value));
  }
}

// Calls `visit` for each contact row of `contacts`, in list order, under the list's lock (the
// loading thread changes the rows under it).
template <typename Visit>
void ForEachContact(ContactSmartListControl* contacts, Visit visit) {
  if (contacts == nullptr) return;
  std::lock_guard lock(contacts->ListLock());
  for (size_t i = 0; i < contacts->GetItemCount(); ++i) {
    if (auto* contact = dynamic_cast<const ContactListItem*>(contacts->GetItem(i))) {
      visit(*contact);
    }
  }
}

}  // namespace

std::vector<std::u16string> FilterFolder::CollectValues(
    std::u16string ContactListItem::*field) const {
  std::vector<std::u16string> values;
  ForEachContact(ContactList(),
                 [&](const ContactListItem& contact) { AddDistinct(values, contact.*field); });
  return values;
}

std::vector<std::u16string> FilterFolder::CollectCategories() const {
  std::vector<std::u16string> values{std::u16string()};
  ForEachContact(ContactList(), [&](const ContactListItem& contact) {
    for (const std::u16string& part : theme::SplitText(contact.categories, u",")) {
      AddDistinct(values, platform::Trim(part));
    }
  });
  return values;
}

void FilterFolder::OnClick(SmartListControl& list) {
  // The folder leaves the list but stays alive until this handler has returned.
  std::unique_ptr<IListItem> self = list.DeleteAllItemsExcept(this);
  PopulateFolder(list);
  list.OnFilterApplied();
  const RECT area{0, list.rect.top, list.rect.right, list.rect.bottom};
  ScreenNavigation::Slide(0, area, std::max(0, theme::Settings().menu_animation_duration));
  if (self) {
    (void)self.release();
    LightControl::DeleteLater(std::unique_ptr<LightControl>(this));
  }
}
