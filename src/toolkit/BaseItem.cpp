// Index character of the common row base.
#include "toolkit/BaseItem.h"

char16_t BaseItem::GetIndexChar() const {
  return text.empty() ? u' ' : text.front();
}
