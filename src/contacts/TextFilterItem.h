// The common part of the filters that compare one contact field with a text (company, city,
// category): the text, and the title made from a language text with the text in place of its
// "%s". The language text is read at construction, on the UI thread, so that GetTitle reads
// no settings and may run on the loading thread.
#pragma once

#include <string>
#include <string_view>

#include "toolkit/ISmartListFilter.h"

class ContactListItem;

class TextFilterItem : public ISmartListFilter {
 public:
  std::u16string GetTitle() override;
  const std::u16string& Text() const { return text_; }

 protected:
  TextFilterItem(std::u16string_view text, std::u16string title_format)
      : text_(text), title_format_(std::move(title_format)) {}
  // The row as a contact row, or null for every other kind of row.
  static const ContactListItem* ContactOf(const IListItem& row);

  const std::u16string text_;

 private:
  const std::u16string title_format_;
};
