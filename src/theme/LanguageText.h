// Filling language texts. A language text holds at most one place for a value, written "%s";
// it is never used as a printf format: only the first "%s" is replaced and every other percent
// sign shows as it is.
#pragma once

#include <string>
#include <string_view>

namespace theme {

// `format` with its first "%s" replaced by `value`; unchanged when it has none.
std::u16string FormatText(std::u16string_view format, std::u16string_view value);

// The two texts that have no key and are always English.
inline constexpr std::u16string_view kTextConfirmRemoveContact =
    u"Are you sure you want to remove this contact?";
inline constexpr std::u16string_view kTextCreateContactForNumber =
    u"This phone number isn't in one of your contact, would you like to create a new contact "
    u"now?";

}  // namespace theme
