// The character counter of the SMS screen: "(remaining/160)" while the text fits one SMS
// ("(remaining/70)" in UCS-2), "(remaining in the last part/parts)" beyond, counted by the
// same rule the SMS service cuts the text by.
#pragma once

#include <string>
#include <string_view>

std::u16string SmsCounterText(std::u16string_view text);
