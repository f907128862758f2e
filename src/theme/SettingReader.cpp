// Generic read access to settings by key, generated from the key tables.
#include "theme/SettingReader.h"

#include <cstdio>
#include <unordered_map>

#include "platform/Text.h"

namespace theme {

namespace {

using Reader = SettingValue (*)(const SettingManager&);

const std::unordered_map<std::string_view, Reader>& Readers() {
  using M = SettingManager;
  static const std::unordered_map<std::string_view, Reader> readers = {
#define QB_READ_IMAGE(key, pre) {#key, [](const M& m) { return SettingValue(m.key.get()); }},
      QB_IMAGE_SETTINGS(QB_READ_IMAGE)
#define QB_READ_FIELD(key, ...) {#key, [](const M& m) { return SettingValue(m.key); }},
          QB_COLOR_SETTINGS(QB_READ_FIELD)
#define QB_READ_ALIAS(key, field) {#key, [](const M& m) { return SettingValue(m.field); }},
              QB_COLOR_ALIASES(QB_READ_ALIAS)
#define QB_READ_FONT(key, text) \
  {#key, [](const M& m) { return SettingValue(m.key.Description()); }},
                  QB_FONT_SETTINGS(QB_READ_FONT) QB_INTEGER_SETTINGS(QB_READ_FIELD)
                      QB_BOOLEAN_SETTINGS(QB_READ_FIELD) QB_KEPT_BOOLEAN_SETTINGS(QB_READ_FIELD)
                          QB_DECIMAL_SETTINGS(QB_READ_FIELD) QB_BOX_SETTINGS(QB_READ_FIELD)
                              QB_TEXT_SETTINGS(QB_READ_FIELD) QB_LIST_SETTINGS(QB_READ_FIELD)
#define QB_READ_GROUPS(key, keep) {#key, [](const M& m) { return SettingValue(&m.key); }},
                                  QB_KEY_GROUP_SETTINGS(QB_READ_GROUPS)
                                      QB_LANGUAGE_TEXTS(QB_READ_FIELD)};
  return readers;
}

std::u16string Number(int64_t value) {
  return platform::ToU16(value);
}

std::u16string FormatColor(COLORREF color) {
  if (color == kInvalidColor) return u"-";
  return Number(GetRValue(color)) + u"," + Number(GetGValue(color)) + u"," +
         Number(GetBValue(color));
}

std::u16string FormatFont(const platform::FontDescription& font) {
  std::u16string text = Number(font.pixel_height);
  // "normal" holds the style place when only a face follows (empty pieces are dropped).
  const std::u16string style = font.weight >= 700 ? u"bold" : font.italic ? u"italic" : u"";
  if (font.face != u"Tahoma")
    return text + u"," + (style.empty() ? u"normal" : style) + u"," + font.face;
  return style.empty() ? text : text + u"," + style;
}

std::u16string FormatDecimal(float value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
  return platform::FromUtf8(text);
}

std::u16string FormatGroups(const KeyGroupMap& map, bool keep_key_character) {
  std::u16string text;
  for (const auto& [key, letters] : map.Entries()) {
    if (!text.empty()) text += u",";
    // A letter-map text normally starts with its key character; the defaults do not ("abc2"
    // for key 2), and then the key is written first so the group names the right key.
    if (!keep_key_character || letters.empty() || letters.front() != key) text += key;
    text += letters;
  }
  return text;
}

std::u16string Join(const std::vector<std::u16string>& list) {
  std::u16string text;
  for (const auto& item : list) text += (text.empty() ? u"" : u",") + item;
  return text;
}

std::u16string FormatImage(const Image* image) {
  if (!image) return {};
  const std::u16string& name = image->Name();
  return name.starts_with(u"zip_") ? name.substr(4) : name;
}

}  // namespace

std::optional<SettingValue> ReadSetting(const SettingManager& settings, std::string_view key) {
  const auto& readers = Readers();
  const auto found = readers.find(key);
  if (found == readers.end()) return std::nullopt;
  return found->second(settings);
}

std::u16string FormatSettingValue(const SettingValue& value, const SettingInfo& info) {
  struct Formatter {
    const SettingInfo& info;
    std::u16string operator()(const Image* image) const { return FormatImage(image); }
    std::u16string operator()(COLORREF color) const { return FormatColor(color); }
    std::u16string operator()(const platform::FontDescription& f) const { return FormatFont(f); }
    std::u16string operator()(int32_t number) const { return Number(number); }
    std::u16string operator()(bool flag) const { return flag ? u"1" : u"0"; }
    std::u16string operator()(float number) const { return FormatDecimal(number); }
    std::u16string operator()(const RECT& r) const {
      return Number(r.left) + u"," + Number(r.top) + u"," + Number(r.right) + u"," +
             Number(r.bottom);
    }
    std::u16string operator()(const std::u16string& text) const { return text; }
    std::u16string operator()(const std::vector<std::u16string>& list) const { return Join(list); }
    std::u16string operator()(const KeyGroupMap* map) const {
      return FormatGroups(*map, info.key == "phonepad_keys");
    }
  };
  return std::visit(Formatter{info}, value);
}

}  // namespace theme
