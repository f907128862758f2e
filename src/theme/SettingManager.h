// The one store of theme settings and language texts. Every control and screen reads its look
// from here: images, colours, fonts, sizes, layout boxes, formatting expressions, the letter
// index and the phone-pad letter groups. Each setting is declared exactly once in the tables
// below; the parser, the defaults, the documentation and the tests are all derived from them.
//
// Keys: a line "key=value" of a settings source selects the setting whose name equals the key,
// or, for the orientation prefix of the current load ("portrait_" or "landscape_"), the prefix
// followed by the name. "sms_prefixes", "phonepad_keys" and "phonepad_draw_keys" are matched by
// their bare names only.
//
// Thread use: the manager is written only on the UI thread, while a theme loads inside the
// relayout, and read only on the UI thread (painting, layout, input). It has no lock; a worker
// thread that needs a value copies it on the UI thread before it starts.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Surface.h"
#include "platform/Types.h"
#include "theme/Image.h"
#include "theme/KeyGroupMap.h"

// ---------------------------------------------------------------------------------------------
// The key tables. Each X(...) row is one key; the columns are given per table.
// ---------------------------------------------------------------------------------------------

// Images: X(key, prerendered). Default: no image. A pre-rendered image is drawn once over
// `background_color` into an opaque bitmap when it loads and is blitted afterwards; the others
// keep their transparency and are blended at every paint.
#define QB_IMAGE_SETTINGS(X)              \
  X(background_image_detail, true)        \
  X(background_image_list, true)          \
  X(favorite_background_image_list, true) \
  X(sms_background_image, true)           \
  X(button_panel_image_background, true)  \
  X(large_button_image, false)            \
  X(large_button_image_pressed, false)    \
  X(small_button_image, false)            \
  X(small_button_image_pressed, false)    \
  X(feedback_image, false)                \
  X(favorite_image, false)                \
  X(small_favorite_image, false)          \
  X(default_contact_image, false)         \
  X(favorite_icon, true)                  \
  X(contact_icon, true)                   \
  X(sms_icon, true)                       \
  X(filter_icon, true)                    \
  X(hide_icon, true)                      \
  X(favorite_icon_pressed, true)          \
  X(contact_icon_pressed, true)           \
  X(sms_icon_pressed, true)               \
  X(filter_icon_pressed, true)            \
  X(hide_icon_pressed, true)              \
  X(back_button_image, true)              \
  X(back_button_image_pressed, true)      \
  X(old_contact_icon, true)               \
  X(old_contact_icon_pressed, true)       \
  X(close_icon, true)                     \
  X(close_icon_pressed, true)             \
  X(minimize_icon, true)                  \
  X(minimize_icon_pressed, true)          \
  X(option_icon, true)                    \
  X(option_icon_pressed, true)            \
  X(phone_pad_bg, true)                   \
  X(sms_signal_image, false)              \
  X(current_index_marker_image, false)

// Colours: X(key, red, green, blue). Written "r,g,b"; fewer than three numbers give the
// invalid colour (kInvalidColor), and an element with the invalid colour is not drawn.
#define QB_COLOR_SETTINGS(X)                          \
  X(text_color, 0, 0, 0)                              \
  X(grey_text_color, 100, 100, 100)                   \
  X(background_color, 255, 255, 255)                  \
  X(highlighted_item_color, 166, 166, 166)            \
  X(index_font_color, 50, 50, 50)                     \
  X(index_gradient_start, 200, 200, 200)              \
  X(index_gradient_end, 255, 255, 255)                \
  X(feedback_font_color, 0, 0, 0)                     \
  X(button_text_color, 0, 0, 0)                       \
  X(button_text_color_pressed, 0, 0, 0)               \
  X(sms_sent_border_color, 100, 100, 100)             \
  X(sms_send_background_color, 160, 190, 206)         \
  X(sms_received_border_color, 100, 100, 100)         \
  X(sms_received_background_color, 232, 229, 149)     \
  X(sms_received_text_color, 0, 0, 0)                 \
  X(sms_sent_text_color, 0, 0, 0)                     \
  X(sms_separator_line_color, 100, 100, 100)          \
  X(sms_counter_text_color, 255, 255, 255)            \
  X(sms_counter_background_color, 25, 130, 160)       \
  X(sms_counter_border_color, 12, 65, 80)             \
  X(button_panel_background_color, 255, 255, 255)     \
  X(button_panel_border_color, 100, 100, 100)         \
  X(contact_photo_border_color, 80, 80, 80)           \
  X(contact_photo_favorite_border_color, 239, 165, 0) \
  X(contact_photo_background_color, 98, 98, 98)       \
  X(contact_separator_line_color, 100, 100, 100)      \
  X(separator_bk_color, 120, 120, 140)                \
  X(separator_text_color, 255, 255, 255)              \
  X(fade_color, 0, 0, 0)

// Second names of colour fields: X(key, field). Both keys write the same field; whichever line
// comes last sets it.
#define QB_COLOR_ALIASES(X)                  \
  X(second_line_text_color, grey_text_color) \
  X(menu_border_color, button_panel_border_color)

// Fonts: X(key, default font text). Written "size", "size,style" or "size,style,face"; the
// style is "bold" or "italic" (case-sensitive), the face defaults to "Tahoma".
#define QB_FONT_SETTINGS(X)               \
  X(index_font, "10")                     \
  X(button_font, "10")                    \
  X(feedback_font, "14")                  \
  X(contact_font_header, "12")            \
  X(contact_font_firstline, "12")         \
  X(contact_font_secondline, "12,italic") \
  X(contact_detail_font, "12")            \
  X(separator_font, "12,bold")            \
  X(sms_unread_font, "12,bold")           \
  X(sms_font, "12")                       \
  X(text_box_font, "12")

// Integers: X(key, default). Pixels unless the comment says otherwise. Values are not checked
// for range here: the code that uses a size guards against zero or negative values.
#define QB_INTEGER_SETTINGS(X)                         \
  X(contact_height, 36)                                \
  X(favorite_contact_height, 36)                       \
  X(large_button_height, 42)                           \
  X(small_button_height, 30)                           \
  X(small_button_width, 150)                           \
  X(index_left_border_width, 26)                       \
  X(index_right_border_width, 26)                      \
  X(feedback_text_x_position, 65)                      \
  X(feedback_text_y_offset, 0)                         \
  X(feedback_text_align, 1) /* alignment code */       \
  X(contact_phone_list_height, 140)                    \
  X(contact_photo_border_width, 2)                     \
  X(button_panel_border_width, 2)                      \
  X(button_panel_border_margin, 4)                     \
  X(button_panel_columns, 1) /* count */               \
  X(filter_title_height, 17)                           \
  X(separator_item_height, 0)                          \
  X(separator_text_align, 1) /* alignment code */      \
  X(icon_panel_height, 40)                             \
  X(phone_pad_height, 120)                             \
  X(sms_textbox_height, 38)                            \
  X(sms_textbox_separator_height, 4)                   \
  X(sms_header_list_distance, 6)                       \
  X(menu_animation_duration, 250)   /* milliseconds */ \
  X(scroll_animation_duration, 800) /* milliseconds */ \
  X(scroll_sliding_delay, 30)       /* milliseconds */

// Booleans: X(key, default as 0 or 1). Written as an integer; any value other than 0 is true.
#define QB_BOOLEAN_SETTINGS(X)      \
  X(hide_contact_without_phone, 1)  \
  X(show_contact_images_in_list, 1) \
  X(draw_favorite_image_on_list, 0) \
  X(endless_scrolling, 0)           \
  X(fullscreen, 1)                  \
  X(sms_status_report, 1)           \
  X(default_to_close, 0)

// Booleans set at construction only: a reset keeps their current value.
#define QB_KEPT_BOOLEAN_SETTINGS(X) X(bring_qbk_to_front_on_sms, 1)

// Decimals: X(key, default). Written like "1.02"; a value that is not a number is ignored.
#define QB_DECIMAL_SETTINGS(X) X(scroll_friction, 1.02)

// Boxes: X(key, left, top, right, bottom). Written "left,top,right,bottom" (right and bottom are
// edges); fewer than four numbers leave the box unchanged.
#define QB_BOX_SETTINGS(X)                     \
  X(contact_title_box, 1, 1, 239, 31)          \
  X(contact_photo_box, 10, 40, 81, 141)        \
  X(contact_description_box, 83, 33, 240, 141) \
  X(contact_button_list_box, 5, 116, 234, 320) \
  X(sms_header_box, 1, 1, 239, 38)             \
  X(sms_signal_strength_box, 209, 2, 236, 12)  \
  X(close_button_box, -1, 0, 43, 31)

// Texts: X(key, default as UTF-8). Formatting expressions and the letter index; the value is
// kept unchanged (a backslash followed by "n" stays two characters).
#define QB_TEXT_SETTINGS(X)                                                               \
  X(contact_header_formatting, "%fileas")                                                 \
  X(contact_secondline_formatting, "%phone (%company)")                                   \
  X(contact_detail_formatting,                                                            \
    "%addressstreet\\n%addresscity %addresspostalcode\\n%addressstate\\n%addresscountry") \
  X(contact_sort_expression, "%fileas")                                                   \
  X(index_letters, "#ABCDEFGHIJKLMNOPQRSTUVWXYZ")

// Lists: X(key). Comma-separated texts appended to the list (texts it already holds are not
// added again); matched by the bare name only, once per line;
// a reset keeps the list.
#define QB_LIST_SETTINGS(X) X(sms_prefixes)

// Key groups: X(key, keep first character). Comma-separated groups, each beginning with its key
// character; a line replaces the whole map. Matched by the bare name only.
#define QB_KEY_GROUP_SETTINGS(X) \
  X(phonepad_keys, true)         \
  X(phonepad_draw_keys, false)

// Default key groups, in the order 1..9, 0, *, #: X(key character, letter map text, label text).
#define QB_DEFAULT_KEY_GROUPS(X)           \
  X(u'1', "1", "")                         \
  X(u'2', "abc2", "abc")                   \
  X(u'3', "def\u00e9\u00e8\u00ea3", "def") \
  X(u'4', "ghi\u00ee4", "ghi")             \
  X(u'5', "jkl5", "jkl")                   \
  X(u'6', "mno6", "mno")                   \
  X(u'7', "pqrs7", "pqrs")                 \
  X(u'8', "tuv8", "tuv")                   \
  X(u'9', "wxyz9", "wxyz")                 \
  X(u'0', "0", "")                         \
  X(u'*', "*", "")                         \
  X(u'#', "#", "")

// Language texts: X(key, English default). "{0}" in a value becomes "%s", the place of the one
// value a screen puts in (FormatText in theme/LanguageText.h). A reset keeps the texts.
#define QB_LANGUAGE_TEXTS(X)                                                     \
  X(txt_NewContact, "New Contact...")                                            \
  X(txt_EditContact, "Edit Contact...")                                          \
  X(txt_ViewContact, "View Contact...")                                          \
  X(txt_Cancel, "Cancel")                                                        \
  X(txt_Back, "Back")                                                            \
  X(txt_Hide, "Hide")                                                            \
  X(txt_Favorites, "Favorites")                                                  \
  X(txt_AllContacts, "All contacts")                                             \
  X(txt_SetPicture, "Set Pictures...")                                           \
  X(txt_RemovePicture, "Remove pictures")                                        \
  X(txt_RemoveFromFavorite, "Remove from favorites")                             \
  X(txt_SetAsFavorite, "Set as favorites")                                       \
  X(txt_SendMail, "Mail %s")                                                     \
  X(txt_RemoveContact, "Remove contact")                                         \
  X(txt_SMSNoPreviousConversation, "No previous conversation with this contact") \
  X(txt_SMSLoadingPreviousConversation, "Loading previous conversations...")     \
  X(txt_LoadingContacts, "Loading contacts...")                                  \
  X(txt_SMSSendingError, "Error while sending SMS. SMS not sent")                \
  X(txt_SendSms, "Send")                                                         \
  X(txt_ServiceMessageName, "Service Message")                                   \
  X(txt_Filter, "Filter...")                                                     \
  X(txt_FilterByCompany, "By Company...")                                        \
  X(txt_FilterByCity, "By City...")                                              \
  X(txt_FilterByCategory, "By Category...")                                      \
  X(txt_FilterNoCompany, "<No Company>")                                         \
  X(txt_FilterNoCity, "<No City>")                                               \
  X(txt_FilterNoCategory, "<No Category>")                                       \
  X(txt_FilteredByCompany, "Working for %s")                                     \
  X(txt_FilteredByCity, "Living in %s")                                          \
  X(txt_FilteredByCategory, "Categorized as %s")                                 \
  X(txt_FilteredFavorites, "Favorites")                                          \
  X(txt_FilteredByLetters, "Matching '%s'")                                      \
  X(txt_SmsContacts, "Contacts with SMS")                                        \
  X(txt_FilteredBySms, "Contacts with SMS")                                      \
  X(txt_AddToMyContacts, "Add to my contacts...")                                \
  X(txt_MobileTelephoneNumber, "Mobile - %s")                                    \
  X(txt_HomeTelephoneNumber, "Home - %s")                                        \
  X(txt_Home2TelephoneNumber, "Home2 - %s")                                      \
  X(txt_BusinessTelephoneNumber, "Work - %s")                                    \
  X(txt_Business2TelephoneNumber, "Work2 - %s")                                  \
  X(txt_CompanyTelephoneNumber, "Company - %s")                                  \
  X(txt_AssistantTelephoneNumber, "Asst. - %s")                                  \
  X(txt_CarTelephoneNumber, "Car - %s")                                          \
  X(txt_PagerNumber, "Pager - %s")                                               \
  X(txt_RadioNumber, "Radio - %s")                                               \
  X(txt_SMS, "SMS - %s")                                                         \
  X(txt_NoteHeader, "%s")

namespace theme {

class ThemeArchive;

// What a key's value is parsed as.
enum class SettingKind {
  kImage,
  kColor,
  kFont,
  kInteger,
  kBoolean,
  kDecimal,
  kBox,
  kText,
  kList,
  kKeyGroups,
  kLanguageText,
};

// One row of the key table, for code that walks every key (the theme tool, documentation,
// tests). `default_text` is the default as a theme would write it (empty for images and the
// list); `field` names the field the key writes (differs from `key` for the colour aliases).
struct SettingInfo {
  std::string_view key;
  SettingKind kind;
  std::string_view default_text;
  std::string_view field;
  bool prerendered = false;        // images only
  bool bare_name_only = false;     // no orientation prefix
  bool kept_across_reset = false;  // language texts, the list, bring_qbk_to_front_on_sms
};

// Every key, in table order: images, colours (aliases after their fields), fonts, integers,
// booleans, decimals, boxes, texts, the list, key groups, language texts.
std::span<const SettingInfo> SettingTable();
// The row of a bare key name, or null.
const SettingInfo* FindSettingInfo(std::string_view key);
// True when the key names a setting bare or with either orientation prefix (the theme tool's
// unknown-key warning).
bool KeyNamesSetting(std::u16string_view key);

// A problem met while loading, for the theme tool. Loading itself never stops on one.
struct LoadWarning {
  enum class Kind { kUnknownKey, kImageMissing, kArchiveError, kSettingsMissing, kFileError };
  Kind kind;
  std::string source;  // "archive settings.ini", a file path, or the archive path
  int line = 0;        // 1-based line of the settings text, 0 when not about a line
  std::string message;
};
using LoadWarningSink = std::function<void(const LoadWarning&)>;

class SettingManager {
 public:
  // The one instance, constructed on first call and kept to the end of the process.
  static SettingManager& Instance();

  // Language texts and kept booleans get their defaults; then ResetToDefaults.
  SettingManager();
  virtual ~SettingManager();
  SettingManager(const SettingManager&) = delete;
  SettingManager& operator=(const SettingManager&) = delete;

  // Releases every image except favorite_image, small_favorite_image and
  // default_contact_image; every other theme value returns to its default and fonts are made
  // anew; both phone-pad maps get the twelve default groups. Language texts, sms_prefixes and
  // bring_qbk_to_front_on_sms keep their values.
  void ResetToDefaults();

  // Selects the setting named by `key` under `prefix` and parses `value` by its kind. Image
  // values name a member of `archive` when one is given, else a file. True when a setting was
  // selected.
  bool ApplySetting(ThemeArchive* archive, std::u16string_view key, std::u16string_view value,
                    std::u16string_view prefix);

  // Cuts a settings text into lines and key/value pairs and applies each pair twice: with the
  // empty prefix and with `prefix`. `source` names the text in warnings.
  void ParseSettingsText(ThemeArchive* archive, std::u16string_view text,
                         std::u16string_view prefix, std::string_view source = "settings");

  // Opens the theme archive (a name in the program folder or an absolute path), parses its
  // "settings.ini" (platform::DecodeText: by its byte-order mark, else UTF-8 when valid, else
  // Windows-1252) with the archive available for image values, closes it, then applies the
  // button-height rule. A missing or damaged archive applies nothing.
  void LoadThemeArchive(std::u16string_view theme_name, std::u16string_view prefix);

  // Reads a plain settings file (program folder or absolute path, decoded as FileReader says)
  // and parses it without an archive. A missing file, or one that is not a regular file,
  // reads nothing.
  void LoadSettingsFile(std::u16string_view file_name, std::u16string_view prefix);

  // Receives the problems of later loads (null to stop). For the theme tool and tests.
  void SetWarningSink(LoadWarningSink sink) { warning_sink_ = std::move(sink); }
  void Warn(LoadWarning warning) const;

  // Fields. Read them directly; they change only during a load on the UI thread.
#define QB_DECLARE_IMAGE(key, prerendered) std::unique_ptr<Image> key;
  QB_IMAGE_SETTINGS(QB_DECLARE_IMAGE)
#undef QB_DECLARE_IMAGE
#define QB_DECLARE_COLOR(key, r, g, b) COLORREF key = RGB(r, g, b);
  QB_COLOR_SETTINGS(QB_DECLARE_COLOR)
#undef QB_DECLARE_COLOR
  // The alias names read the same fields.
  const COLORREF& second_line_text_color = grey_text_color;
  const COLORREF& menu_border_color = button_panel_border_color;
#define QB_DECLARE_FONT(key, text) platform::Font key;
  QB_FONT_SETTINGS(QB_DECLARE_FONT)
#undef QB_DECLARE_FONT
#define QB_DECLARE_INTEGER(key, value) int32_t key = value;
  QB_INTEGER_SETTINGS(QB_DECLARE_INTEGER)
#undef QB_DECLARE_INTEGER
#define QB_DECLARE_BOOLEAN(key, value) bool key = value;
  QB_BOOLEAN_SETTINGS(QB_DECLARE_BOOLEAN)
  QB_KEPT_BOOLEAN_SETTINGS(QB_DECLARE_BOOLEAN)
#undef QB_DECLARE_BOOLEAN
#define QB_DECLARE_DECIMAL(key, value) float key = static_cast<float>(value);
  QB_DECIMAL_SETTINGS(QB_DECLARE_DECIMAL)
#undef QB_DECLARE_DECIMAL
#define QB_DECLARE_BOX(key, l, t, r, b) RECT key{l, t, r, b};
  QB_BOX_SETTINGS(QB_DECLARE_BOX)
#undef QB_DECLARE_BOX
#define QB_DECLARE_TEXT(key, value) std::u16string key;
  QB_TEXT_SETTINGS(QB_DECLARE_TEXT)
  QB_LANGUAGE_TEXTS(QB_DECLARE_TEXT)
#undef QB_DECLARE_TEXT
  // SMS prefixes (texts), appended to by every "sms_prefixes" line, without duplicates.
  std::vector<std::u16string> sms_prefixes;
  // Phone-pad letter map: key character -> every character the key stands for.
  KeyGroupMap phonepad_keys;
  // Phone-pad label map: key character -> the letters drawn on the key.
  KeyGroupMap phonepad_draw_keys;

 private:
  friend struct SettingDispatch;

  void ApplyImage(ThemeArchive* archive, std::unique_ptr<Image>& field, std::u16string_view value,
                  bool prerendered, std::string_view key);
  void ApplyButtonHeights();
  void WarnAtLine(LoadWarning::Kind kind, std::string message) const;

  LoadWarningSink warning_sink_;
  // Where the text being parsed comes from, for warnings.
  std::string current_source_;
  int current_line_ = 0;
};

// The global accessor: SettingManager::Instance().
inline SettingManager& Settings() {
  return SettingManager::Instance();
}

}  // namespace theme
