// The common base of separator rows and contact rows: a sort and index text, an order value
// for the rows whose text is empty, and the SMS bookkeeping kept per row.
//
// The fields are plain data, public like a record: loaders fill them, the list sorts by them,
// the SMS counter updates them. Whoever changes a row that a list holds does it on the list's
// thread or under the list's lock.
#pragma once

#include <cstdint>
#include <string>

#include "toolkit/IListItem.h"

class BaseItem : public IListItem {
 public:
  BaseItem() = default;
  explicit BaseItem(int32_t initial_height) : IListItem(initial_height) {}

  // The first character of text, or a space when text is empty.
  char16_t GetIndexChar() const override;

  // Sort and index text (for contacts the upper-case sort key). Rows with an empty text sort
  // ahead of all others, larger order value first.
  std::u16string text;
  int32_t order_value = 0;

  // SMS bookkeeping: counts of unread and of all SMS exchanged, the counts being gathered
  // while a recount runs, and the time of the newest received SMS (100 ns units since 1601).
  int32_t unread_sms_count = 0;
  int32_t sms_count = 0;
  int32_t pending_unread_count = 0;
  int32_t pending_count = 0;
  uint64_t newest_sms_time = 0;
};
