// Reading any setting by its key, for code that walks the whole key table: the theme tool's
// report, the documentation and the tests. Screens read the fields directly instead.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "theme/SettingManager.h"

namespace theme {

using SettingValue = std::variant<const Image*,                 // image (null when none)
                                  COLORREF,                     // colour
                                  platform::FontDescription,    // font
                                  int32_t,                      // integer
                                  bool,                         // boolean
                                  float,                        // decimal
                                  RECT,                         // box
                                  std::u16string,               // text, language text
                                  std::vector<std::u16string>,  // list
                                  const KeyGroupMap*>;          // key groups

// The current value of the setting with bare name `key`; nullopt for an unknown key.
std::optional<SettingValue> ReadSetting(const SettingManager& settings, std::string_view key);

// The value written the way a settings file writes it: colours "r,g,b" (the invalid colour as
// "-"), boxes "l,t,r,b", fonts "size[,style][,face]", booleans 0/1, key groups as
// "1abc,2def" with each key character first, the list comma-separated. Images give their name
// without the "zip_" mark, or the empty text when there is none. Parsing this text with the
// key's parser gives the same value back, except for key groups whose texts do not start with
// their key character (the default letter map) and for the list, which parsing appends to.
std::u16string FormatSettingValue(const SettingValue& value, const SettingInfo& info);

}  // namespace theme
