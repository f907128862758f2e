// The city filter: displays the contacts whose city equals a text exactly. The empty
// text stands for "no city" and displays the contacts without one.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/ISmartListFilter.h"

class CityFilterItem : public ISmartListFilter {
 public:
  // Reads the txt_FilteredByCity language text; make it on the UI thread
  // (GetTitle then reads no settings and may run on the loading thread).
  explicit CityFilterItem(std::u16string_view city);

  // A ContactListItem (or derived) whose city equals the text (case-sensitive).
  bool Accept(const IListItem& row) override;
  // The txt_FilteredByCity text with the filter's text in place of its "%s".
  std::u16string GetTitle() override;

  const std::u16string& Text() const { return text_; }

 private:
  const std::u16string text_;
  const std::u16string title_format_;
};
