// Labels of phone entries: the language text of the entry's phone field, a format holding
// one "%s" where the number goes ("Mobile - %s"). Fields that make no phone entry, and
// unknown ones, give "%s" alone.
#pragma once

#include <string>
#include <string_view>

#include "contacts/PhoneEntry.h"

// The label format of `entry`'s field from the current language texts. UI thread only.
std::u16string PhoneLabel(const PhoneEntry& entry);

// The label format of `entry`'s field from the built-in English texts.
std::u16string_view DefaultPhoneLabel(const PhoneEntry& entry);

// The label of `entry` with its number filled in ("Mobile - 555 1234"). UI thread only.
std::u16string PhoneLabelText(const PhoneEntry& entry);
