// The category filter: displays the contacts whose categories text contains a text anywhere
// (inside a longer word too). The empty text stands for "no category" and displays only the
// contacts whose categories text is empty.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/ISmartListFilter.h"

class CategoryFilterItem : public ISmartListFilter {
 public:
  // Reads the txt_FilteredByCategory language text; make it on the UI thread
  // (GetTitle then reads no settings and may run on the loading thread).
  explicit CategoryFilterItem(std::u16string_view category);

  // A ContactListItem (or derived): with an empty text, one without categories; otherwise
  // one whose categories text contains the text (case-sensitive).
  bool Accept(const IListItem& row) override;
  // The txt_FilteredByCategory text with the filter's text in place of its "%s".
  std::u16string GetTitle() override;

  const std::u16string& Text() const { return text_; }

 private:
  const std::u16string text_;
  const std::u16string title_format_;
};
