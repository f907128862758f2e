// The theme values that filling a contact record depends on, copied from the theme on the UI
// thread so that a loading thread works on a stable set (the theme may reload meanwhile).
#pragma once

#include <cstdint>

#include "contacts/PropertyRequestList.h"

struct ContactFillSettings {
  ContactExpressions expressions;
  bool hide_contact_without_phone = true;
  int32_t contact_height = 36;

  // The current theme's values. UI thread only (the theme is written there).
  static ContactFillSettings FromTheme();
};
