// Base behaviour of the row interface: rows that have nothing to draw or do.
#include "toolkit/IListItem.h"

bool IListItem::Draw(platform::Surface&, const RECT&, bool) {
  return false;
}

bool IListItem::QueryText(std::u16string) {
  return false;
}

void IListItem::Measure(platform::Surface&, const RECT&) {}

void IListItem::OnClick(SmartListControl&) {}
