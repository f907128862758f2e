// FilterBase: an entry of the filter menu. Each entry is a list button (a Button used as a row
// of the menu's list) with a caption, a value in its second text and the contact list that
// receives the filter the entry stands for. It draws as a plain text row: the caption
// centred, a highlight when selected and a one-pixel line at the bottom.
//
// Choices (FilterChoice) install a filter on the contact list; folders (FilterFolder) replace
// the menu's entries by choices. The contact list is not owned and outlives the menu.
// UI thread only.
#pragma once

#include <string>

#include "toolkit/Button.h"

class ContactSmartListControl;

class FilterBase : public Button {
 public:
  FilterBase(std::u16string caption, std::u16string value, ContactSmartListControl* contact_list);

  bool Draw(platform::Surface& surface, const RECT& row, bool selected) override;

  const std::u16string& Caption() const { return text; }
  const std::u16string& Value() const { return second_text; }
  ContactSmartListControl* ContactList() const { return contact_list_; }

 private:
  ContactSmartListControl* contact_list_;
};
