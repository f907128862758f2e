// A section header row of a smart list: the letter rows of the contact list, the SMS
// separator rows and the filter header row. Its text is both its sort text and, initially,
// its caption; callers may replace the caption afterwards (for example "Unread SMS").
#pragma once

#include <string>

#include "toolkit/BaseItem.h"

class SeparatorItem : public BaseItem {
 public:
  // A separator for the one character `c`, `row_height` pixels high (the theme's
  // separator_item_height for letter rows).
  SeparatorItem(char16_t c, int32_t row_height);

  // Draws the caption on the theme's separator background, aligned by the theme's
  // separator_text_align and centred vertically. Rows of 5 pixels or less are lines between
  // sections and draw nothing. Returns true.
  bool Draw(platform::Surface& surface, const RECT& row, bool selected) override;

  // The first character of the caption, or a space when the caption is empty.
  char16_t GetIndexChar() const override;

  // The text drawn in the row.
  std::u16string caption;
};
