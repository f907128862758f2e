// Construction and index character of separator rows.
#include "toolkit/SeparatorItem.h"

SeparatorItem::SeparatorItem(char16_t c, int32_t row_height) : BaseItem(row_height), caption(1, c) {
  text = caption;
}

char16_t SeparatorItem::GetIndexChar() const {
  return caption.empty() ? u' ' : caption.front();
}
