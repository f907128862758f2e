// FilterFolder: a filter menu entry that, when chosen, replaces the menu's entries by one
// choice for each distinct value of a contact field (company, city or categories) found in
// the contact list's rows, sorted as the menu sorts (FilterSmartListControl), and slides them
// in from the right.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactListItem.h"
#include "screens/FilterBase.h"

class FilterFolder : public FilterBase {
 public:
  using FilterBase::FilterBase;

  // Adds this folder's choices to `entries`.
  virtual void PopulateFolder(SmartListControl& entries) = 0;

  // `list` is the menu's entry list; the folder entry leaves it and is deleted later.
  void OnClick(SmartListControl& list) override;

 protected:
  // The distinct values of `field` over the contact list's rows, in order of first
  // appearance (exact comparison). Empty without a contact list.
  std::vector<std::u16string> CollectValues(std::u16string ContactListItem::*field) const;
  // The empty value, then every distinct category: each row's categories text is cut at the
  // commas and each part trimmed of white space.
  std::vector<std::u16string> CollectCategories() const;
  // Adds a choice of type `Choice` for each value: its caption is the value, or
  // `no_value_caption` for the empty value.
  template <typename Choice>
  void AddChoices(SmartListControl& entries, const std::vector<std::u16string>& values,
                  const std::u16string& no_value_caption) const;
};

#include "toolkit/SmartListControl.h"

template <typename Choice>
void FilterFolder::AddChoices(SmartListControl& entries, const std::vector<std::u16string>& values,
                              const std::u16string& no_value_caption) const {
  for (const std::u16string& value : values) {
    entries.AddItem(
        std::make_unique<Choice>(value.empty() ? no_value_caption : value, value, ContactList()));
  }
}
