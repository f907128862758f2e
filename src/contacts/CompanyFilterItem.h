// The company filter: displays the contacts whose company equals a text exactly. The empty
// text stands for "no company" and displays the contacts without one.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/ISmartListFilter.h"

class CompanyFilterItem : public ISmartListFilter {
 public:
  // Reads the txt_FilteredByCompany language text; make it on the UI thread
  // (GetTitle then reads no settings and may run on the loading thread).
  explicit CompanyFilterItem(std::u16string_view company);

  // A ContactListItem (or derived) whose company equals the text (case-sensitive).
  bool Accept(const IListItem& row) override;
  // The txt_FilteredByCompany text with the filter's text in place of its "%s".
  std::u16string GetTitle() override;

  const std::u16string& Text() const { return text_; }

 private:
  const std::u16string text_;
  const std::u16string title_format_;
};
