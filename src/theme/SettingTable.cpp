// The key table as data: one row per key for the code that walks every key, and the dispatch
// from a key to the code that parses its value into its field. Both are generated from the
// X-macro tables of SettingManager.h, so a key exists in exactly one place.
#include <algorithm>
#include <array>
#include <string>
#include <unordered_map>

#include "platform/Text.h"
#include "theme/FontSettings.h"
#include "theme/SettingManager.h"
#include "theme/SettingValues.h"
#include "theme/SplitText.h"

namespace theme {

namespace {

#define QB_STR(x) #x

// Appends the comma-separated texts of `value` that the list does not hold yet. The list is
// kept across reloads and plain settings files are read again at every reload, so appending
// duplicates would grow it with every turn of the device.
void AppendToList(std::vector<std::u16string>& list, std::u16string_view value) {
  for (auto& piece : SplitText(value, u",")) {
    if (piece.empty() || std::find(list.begin(), list.end(), piece) != list.end()) continue;
    list.push_back(std::move(piece));
  }
}

constexpr SettingInfo kTable[] = {
#define QB_ROW_IMAGE(key, pre) {#key, SettingKind::kImage, "", #key, pre},
    QB_IMAGE_SETTINGS(QB_ROW_IMAGE)
#define QB_ROW_COLOR(key, r, g, b) \
  {#key, SettingKind::kColor, QB_STR(r) "," QB_STR(g) "," QB_STR(b), #key},
        QB_COLOR_SETTINGS(QB_ROW_COLOR)
#define QB_ROW_ALIAS(key, field) {#key, SettingKind::kColor, "", #field},
            QB_COLOR_ALIASES(QB_ROW_ALIAS)
#define QB_ROW_FONT(key, text) {#key, SettingKind::kFont, text, #key},
                QB_FONT_SETTINGS(QB_ROW_FONT)
#define QB_ROW_INTEGER(key, value) {#key, SettingKind::kInteger, #value, #key},
                    QB_INTEGER_SETTINGS(QB_ROW_INTEGER)
#define QB_ROW_BOOLEAN(key, value) {#key, SettingKind::kBoolean, #value, #key},
                        QB_BOOLEAN_SETTINGS(QB_ROW_BOOLEAN)
#define QB_ROW_KEPT_BOOLEAN(key, value) \
  {#key, SettingKind::kBoolean, #value, #key, false, false, true},
                            QB_KEPT_BOOLEAN_SETTINGS(QB_ROW_KEPT_BOOLEAN)
#define QB_ROW_DECIMAL(key, value) {#key, SettingKind::kDecimal, #value, #key},
                                QB_DECIMAL_SETTINGS(QB_ROW_DECIMAL)
#define QB_ROW_BOX(key, l, t, r, b) \
  {#key, SettingKind::kBox, QB_STR(l) "," QB_STR(t) "," QB_STR(r) "," QB_STR(b), #key},
                                    QB_BOX_SETTINGS(QB_ROW_BOX)
#define QB_ROW_TEXT(key, text) {#key, SettingKind::kText, text, #key},
                                        QB_TEXT_SETTINGS(QB_ROW_TEXT)
#define QB_ROW_LIST(key) {#key, SettingKind::kList, "", #key, false, true, true},
                                            QB_LIST_SETTINGS(QB_ROW_LIST)
#define QB_ROW_KEY_GROUPS(key, keep) {#key, SettingKind::kKeyGroups, "", #key, false, true},
                                                QB_KEY_GROUP_SETTINGS(QB_ROW_KEY_GROUPS)
#define QB_ROW_LANGUAGE(key, text) \
  {#key, SettingKind::kLanguageText, text, #key, false, false, true},
                                                    QB_LANGUAGE_TEXTS(QB_ROW_LANGUAGE)};

}  // namespace

// Parses one value into its field. Friend of SettingManager for the image loader.
struct SettingDispatch {
  using Apply = void (*)(SettingManager&, ThemeArchive*, std::u16string_view);
  std::string_view key;
  Apply apply;

  struct Target {
    Apply apply;
    bool bare_name_only;
  };
  static const std::unordered_map<std::string_view, Target>& Map();
  // Defined as a member so that the parsers may reach the manager's private image loader.
  static std::span<const SettingDispatch> Rows();
};

std::span<const SettingDispatch> SettingDispatch::Rows() {
  using M = SettingManager;
  using A = ThemeArchive*;
  using V = std::u16string_view;
  static const SettingDispatch kDispatch[] = {
#define QB_APPLY_IMAGE(key, pre) \
  {#key, [](M& m, A a, V v) { m.ApplyImage(a, m.key, v, pre, #key); }},
      QB_IMAGE_SETTINGS(QB_APPLY_IMAGE)
#define QB_APPLY_COLOR(key, r, g, b) {#key, [](M& m, A, V v) { m.key = ParseColor(v); }},
          QB_COLOR_SETTINGS(QB_APPLY_COLOR)
#define QB_APPLY_ALIAS(key, field) {#key, [](M& m, A, V v) { m.field = ParseColor(v); }},
              QB_COLOR_ALIASES(QB_APPLY_ALIAS)
#define QB_APPLY_FONT(key, text) {#key, [](M& m, A, V v) { m.key = ParseFont(v); }},
                  QB_FONT_SETTINGS(QB_APPLY_FONT)
#define QB_APPLY_INTEGER(key, value) {#key, [](M& m, A, V v) { m.key = ParseInteger(v); }},
                      QB_INTEGER_SETTINGS(QB_APPLY_INTEGER)
#define QB_APPLY_BOOLEAN(key, value) {#key, [](M& m, A, V v) { m.key = ParseBoolean(v); }},
                          QB_BOOLEAN_SETTINGS(QB_APPLY_BOOLEAN)
                              QB_KEPT_BOOLEAN_SETTINGS(QB_APPLY_BOOLEAN)
#define QB_APPLY_DECIMAL(key, value) \
  {#key, [](M& m, A, V v) { m.key = ParseDecimal(v).value_or(m.key); }},
                                  QB_DECIMAL_SETTINGS(QB_APPLY_DECIMAL)
#define QB_APPLY_BOX(key, l, t, r, b) {#key, [](M& m, A, V v) { m.key = ParseBox(v, m.key); }},
                                      QB_BOX_SETTINGS(QB_APPLY_BOX)
#define QB_APPLY_TEXT(key, text) {#key, [](M& m, A, V v) { m.key = std::u16string(v); }},
                                          QB_TEXT_SETTINGS(QB_APPLY_TEXT)
#define QB_APPLY_LIST(key) {#key, [](M& m, A, V v) { AppendToList(m.key, v); }},
                                              QB_LIST_SETTINGS(QB_APPLY_LIST)
#define QB_APPLY_KEY_GROUPS(key, keep) {#key, [](M& m, A, V v) { m.key.Parse(v, keep); }},
                                                  QB_KEY_GROUP_SETTINGS(QB_APPLY_KEY_GROUPS)
#define QB_APPLY_LANGUAGE(key, text) {#key, [](M& m, A, V v) { m.key = ParseLanguageText(v); }},
                                                      QB_LANGUAGE_TEXTS(QB_APPLY_LANGUAGE)};
  static_assert(std::size(kDispatch) == std::size(kTable), "every key has a row and a parser");
  return kDispatch;
}

namespace {

// The bare key of `key` under `prefix`, when `key` is ASCII and starts with the prefix.
bool StripPrefix(std::u16string_view key, std::u16string_view prefix, std::string& bare) {
  if (key.size() < prefix.size() || key.substr(0, prefix.size()) != prefix) return false;
  bare.clear();
  for (char16_t c : key.substr(prefix.size())) {
    if (c == 0 || c > 0x7E) return false;
    bare.push_back(static_cast<char>(c));
  }
  return true;
}

}  // namespace

const std::unordered_map<std::string_view, SettingDispatch::Target>& SettingDispatch::Map() {
  static const std::unordered_map<std::string_view, Target> map = [] {
    std::unordered_map<std::string_view, Target> built;
    for (const auto& row : Rows()) {
      built.emplace(row.key, Target{row.apply, FindSettingInfo(row.key)->bare_name_only});
    }
    return built;
  }();
  return map;
}

std::span<const SettingInfo> SettingTable() {
  return kTable;
}

const SettingInfo* FindSettingInfo(std::string_view key) {
  for (const auto& row : kTable) {
    if (row.key == key) return &row;
  }
  return nullptr;
}

bool KeyNamesSetting(std::u16string_view key) {
  std::string bare;
  for (std::u16string_view prefix : {u"", u"portrait_", u"landscape_"}) {
    if (!StripPrefix(key, prefix, bare)) continue;
    const SettingInfo* info = FindSettingInfo(bare);
    if (info && (prefix.empty() || !info->bare_name_only)) return true;
  }
  return false;
}

bool SettingManager::ApplySetting(ThemeArchive* archive, std::u16string_view key,
                                  std::u16string_view value, std::u16string_view prefix) {
  std::string bare;
  if (!StripPrefix(key, prefix, bare)) return false;
  const auto& map = SettingDispatch::Map();
  const auto found = map.find(bare);
  if (found == map.end()) return false;
  if (!prefix.empty() && found->second.bare_name_only) return false;
  found->second.apply(*this, archive, value);
  return true;
}

}  // namespace theme
