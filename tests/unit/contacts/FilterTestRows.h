// Contact rows for the filter tests, built from a few fields.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactListItem.h"

namespace filter_test {

struct RowFields {
  std::u16string name;
  std::vector<std::u16string> numbers = {};
  std::u16string company = {};
  std::u16string city = {};
  std::u16string categories = {};
  bool favourite = false;
  int32_t sms = 0;
  int32_t unread_sms = 0;
};

inline std::unique_ptr<ContactListItem> MakeContact(const RowFields& fields) {
  auto row = std::make_unique<ContactListItem>(36);
  row->display_name = fields.name;
  row->text = fields.name;
  for (const auto& number : fields.numbers) row->phones.push_back(PhoneEntry{number, 0});
  row->company = fields.company;
  row->city = fields.city;
  row->categories = fields.categories;
  row->favourite = fields.favourite;
  row->sms_count = fields.sms;
  row->unread_sms_count = fields.unread_sms;
  return row;
}

}  // namespace filter_test
