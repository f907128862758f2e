// The in-memory record of one contact, which is also the contact's row in the contact list.
// It holds only what the screens, filters and SMS matching need: texts already formatted by
// the theme's expressions, the e-mail addresses, company, city and categories, the phone
// numbers, the favourite flag and the picture. The full contact stays in the store.
//
// As a row it draws itself (first line, second line, photo at the right end, favourite mark,
// SMS counter, separator line) with the fonts, colours and images the theme prepared, and a
// tap opens the detail screen, or the SMS screen while the list shows contacts with SMS.
//
// Fields are public data. A record held by a list is changed on the list's thread or under
// the list's lock.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "contacts/PhoneEntry.h"
#include "platform/ui/Window.h"
#include "theme/Image.h"
#include "toolkit/BaseItem.h"

class ContactListItem : public BaseItem {
 public:
  // Object id of a record that stands for no stored contact.
  static constexpr uint32_t kNoObjectId = 0xFFFFFFFFu;

  // A record `row_height` pixels high (the theme's contact_height), not yet filled.
  explicit ContactListItem(int32_t row_height) : BaseItem(row_height) {}

  // The preferred number: the last phone entry, or none.
  const PhoneEntry* PreferredPhone() const;

  // Draws the contact row: the highlight when selected, the display line at the top-left,
  // the second line below it, the photo in the square at the right end, the favourite mark
  // left of the photo, the SMS counter right-aligned on the second line and the separator
  // line along the bottom edge. Every element whose image is missing or whose colour is
  // invalid is skipped. Returns true.
  bool Draw(platform::Surface& surface, const RECT& row, bool selected) override;

  // Puts the soft keyboard down and paints the tap's highlight, then opens the SMS screen for
  // this row and its SMS number when `list` shows the contacts with SMS, else the detail
  // screen.
  void OnClick(SmartListControl& list) override;

  // The letter the row is filed under (IndexLetter of its sort text): the letter of the
  // separator it sorts under, which the index strip marks while the row is at the top.
  char16_t GetIndexChar() const override;

  // Whether `address` is one of this contact's numbers (last eight digits rule). An address
  // without digits never matches a stored contact.
  virtual bool MatchesNumber(std::u16string_view address) const;

  // Opens the contact in the platform's contact editor over `window` (the main window) and
  // reloads the row afterwards. The row stays unchanged when the editor cannot be opened.
  // The platform has no contact editor yet: for now this only writes a line to the contact
  // rows' trace, and the subclasses do the same.
  virtual void EditInPlatform(SmartListControl& list, platform::ui::HWND window);

  // The first step of a row's click: the platform puts its soft keyboard (and the one the
  // program hosts) down, and the list's window is painted now.
  static void PutKeyboardDown(SmartListControl& list);

  // Room for the longest SMS counter text, "(-2147483648/-2147483648)".
  using CounterBuffer = std::array<char16_t, 32>;
  // The SMS counter formatted into `buffer`: "(count)" when nothing is unread,
  // "(unread/count)" otherwise, and empty when there is no SMS.
  std::u16string_view SmsCounterText(CounterBuffer& buffer) const;

  uint32_t object_id = kNoObjectId;
  std::u16string display_name;  // header text, or the file-as name when that is empty
  std::u16string header;        // header text without fallback
  std::u16string second_line;
  std::u16string detail;
  std::u16string email1;
  std::u16string email2;
  std::u16string email3;
  std::u16string company;
  std::u16string categories;
  std::u16string city;
  // The contact's picture scaled for the row; none unless the theme shows pictures.
  std::unique_ptr<theme::Image> picture;
  bool favourite = false;
  // Phone entries in reverse priority order: the preferred (highest priority) number last.
  std::vector<PhoneEntry> phones;
  // False when the contact is hidden for having no number; during a load it also marks
  // the record as confirmed by the store.
  bool shown = true;
};
