// The settings object: construction, the global accessor, resetting to the defaults, image
// settings and the button-height rule.
#include "theme/SettingManager.h"

#include "platform/Text.h"
#include "theme/FontSettings.h"
#include "theme/ThemeArchive.h"

namespace theme {

SettingManager& SettingManager::Instance() {
  static SettingManager instance;
  return instance;
}

SettingManager::SettingManager() {
#define QB_INIT_LANGUAGE(key, text) key = platform::FromUtf8(text);
  QB_LANGUAGE_TEXTS(QB_INIT_LANGUAGE)
#undef QB_INIT_LANGUAGE
#define QB_INIT_KEPT(key, value) key = value;
  QB_KEPT_BOOLEAN_SETTINGS(QB_INIT_KEPT)
#undef QB_INIT_KEPT
  ResetToDefaults();
}

SettingManager::~SettingManager() = default;

void SettingManager::ResetToDefaults() {
  // These three pictures survive a reset so that a reload naming the same file keeps them
  // without decoding again.
  auto kept = [](std::string_view key) {
    return key == "favorite_image" || key == "small_favorite_image" ||
           key == "default_contact_image";
  };
#define QB_RESET_IMAGE(key, pre) \
  if (!kept(#key)) key.reset();
  QB_IMAGE_SETTINGS(QB_RESET_IMAGE)
#undef QB_RESET_IMAGE
#define QB_RESET_COLOR(key, r, g, b) key = RGB(r, g, b);
  QB_COLOR_SETTINGS(QB_RESET_COLOR)
#undef QB_RESET_COLOR
#define QB_RESET_FONT(key, text) key = ParseFont(u"" text);
  QB_FONT_SETTINGS(QB_RESET_FONT)
#undef QB_RESET_FONT
#define QB_RESET_VALUE(key, value) key = value;
  QB_INTEGER_SETTINGS(QB_RESET_VALUE)
  QB_BOOLEAN_SETTINGS(QB_RESET_VALUE)
#undef QB_RESET_VALUE
#define QB_RESET_DECIMAL(key, value) key = static_cast<float>(value);
  QB_DECIMAL_SETTINGS(QB_RESET_DECIMAL)
#undef QB_RESET_DECIMAL
#define QB_RESET_BOX(key, l, t, r, b) key = RECT{l, t, r, b};
  QB_BOX_SETTINGS(QB_RESET_BOX)
#undef QB_RESET_BOX
#define QB_RESET_TEXT(key, text) key = platform::FromUtf8(text);
  QB_TEXT_SETTINGS(QB_RESET_TEXT)
#undef QB_RESET_TEXT
  phonepad_keys.Clear();
  phonepad_draw_keys.Clear();
#define QB_RESET_GROUP(character, letters, label)            \
  phonepad_keys.Add(character, platform::FromUtf8(letters)); \
  phonepad_draw_keys.Add(character, platform::FromUtf8(label));
  QB_DEFAULT_KEY_GROUPS(QB_RESET_GROUP)
#undef QB_RESET_GROUP
}

void SettingManager::ApplyImage(ThemeArchive* archive, std::unique_ptr<Image>& field,
                                std::u16string_view value, bool prerendered, std::string_view key) {
  const std::u16string name = archive ? u"zip_" + std::u16string(value) : std::u16string(value);
  if (field && field->Name() == name) return;
  field.reset();
  const Prerender prerender = prerendered ? Prerender::kYes : Prerender::kNo;
  field = archive ? LoadImageFromArchive(*archive, value, prerender, background_color)
                  : LoadImageFromFile(value, prerender, background_color);
  if (!field) {
    WarnAtLine(LoadWarning::Kind::kImageMissing, std::string(key) + ": image \"" +
                                                     platform::ToUtf8(value) +
                                                     "\" is missing or cannot be decoded");
  }
}

void SettingManager::ApplyButtonHeights() {
  if (large_button_image) large_button_height = large_button_image->Height();
  if (small_button_image) small_button_height = small_button_image->Height();
}

void SettingManager::Warn(LoadWarning warning) const {
  if (warning_sink_) warning_sink_(warning);
}

void SettingManager::WarnAtLine(LoadWarning::Kind kind, std::string message) const {
  if (warning_sink_) warning_sink_(LoadWarning{kind, current_source_, current_line_, message});
}

}  // namespace theme
