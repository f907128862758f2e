// The contact record's small queries, and the contact row's drawing and tap.
#include "contacts/ContactListItem.h"

#include <algorithm>
#include <cstddef>

#include "contacts/CompareRows.h"
#include "contacts/ContactRowNavigation.h"
#include "contacts/ContactSmartListControl.h"
#include "contacts/PhoneNumberMatch.h"
#include "contacts/PlatformContactEditor.h"
#include "contacts/SmsFilterItem.h"
#include "platform/Messages.h"
#include "platform/Surface.h"
#include "platform/pim/PimApplication.h"
#include "platform/pim/PimItem.h"
#include "platform/sip/SystemInputPanel.h"
#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/SmartListControl.h"

namespace {

// Distance between the favourite mark and the right end of the row (or the photo).
constexpr int kFavouriteMarkMargin = 3;
// Room kept between the end of the second line and the SMS counter.
constexpr int kCounterGap = 4;

// Writes the decimal form of `value` into `buffer` from `at` and returns the position after
// it. The caller guarantees room for 11 characters.
size_t AppendDecimal(ContactListItem::CounterBuffer& buffer, size_t at, int32_t value) {
  // Widened first, so that the most negative value has a magnitude.
  int64_t magnitude = value;
  if (magnitude < 0) {
    buffer[at++] = u'-';
    magnitude = -magnitude;
  }
  char16_t digits[10];
  size_t count = 0;
  do {
    digits[count++] = static_cast<char16_t>(u'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  while (count > 0) buffer[at++] = digits[--count];
  return at;
}

// Draws the small favourite mark unscaled, left of the row's right end or of its photo and
// vertically centred on the theme's contact height.
void DrawFavouriteMark(platform::Surface& dc, const RECT& row, bool has_photo) {
  const theme::SettingManager& settings = theme::Settings();
  const theme::Image* mark = settings.small_favorite_image.get();
  if (mark == nullptr || !settings.draw_favorite_image_on_list) return;
  int x = row.right - mark->Width() - kFavouriteMarkMargin;
  if (has_photo) x -= settings.contact_height;
  const int y = row.top + (settings.contact_height - mark->Height()) / 2;
  mark->DrawImageAt(dc, x, y);
}

}  // namespace

const PhoneEntry* ContactListItem::PreferredPhone() const {
  return phones.empty() ? nullptr : &phones.back();
}

std::u16string_view ContactListItem::SmsCounterText(CounterBuffer& buffer) const {
  if (sms_count <= 0) return {};
  size_t at = 0;
  buffer[at++] = u'(';
  if (unread_sms_count > 0) {
    at = AppendDecimal(buffer, at, unread_sms_count);
    buffer[at++] = u'/';
  }
  at = AppendDecimal(buffer, at, sms_count);
  buffer[at++] = u')';
  return std::u16string_view(buffer.data(), at);
}

bool ContactListItem::Draw(platform::Surface& dc, const RECT& row, bool selected) {
  const theme::SettingManager& settings = theme::Settings();
  if (selected) dc.FillRect(row, settings.highlighted_item_color);

  RECT first_line = row;
  dc.DrawText(display_name, first_line, DT_NOPREFIX, settings.contact_font_firstline,
              settings.text_color);
  RECT measured = row;
  dc.DrawText(display_name, measured, DT_CALCRECT | DT_NOPREFIX, settings.contact_font_firstline,
              settings.text_color);
  // A first line taller than the row leaves an empty second-line rectangle, never an
  // inverted one.
  RECT second = {row.left, std::min(measured.bottom, row.bottom), row.right, row.bottom};
  const bool has_photo = picture != nullptr;
  if (has_photo) {
    picture->DrawImageFit(dc, RECT{row.right - height, row.top, row.right, row.bottom});
    second.right -= height;
  }
  if (favourite) DrawFavouriteMark(dc, row, has_photo);

  // The counter sits at the right end of the second line, which stops short of it (with an
  // ellipsis) instead of running underneath.
  CounterBuffer buffer;
  const std::u16string_view counter = SmsCounterText(buffer);
  RECT second_text = second;
  if (!counter.empty()) {
    RECT counter_rect = second;
    counter_rect.right -= 1;
    dc.DrawText(counter, counter_rect, DT_RIGHT | DT_NOPREFIX, settings.contact_font_secondline,
                settings.second_line_text_color);
    const int counter_width = dc.MeasureText(counter, settings.contact_font_secondline).cx;
    second_text.right = std::max(second.left, counter_rect.right - counter_width - kCounterGap);
  }
  dc.DrawText(second_line, second_text, DT_NOPREFIX | DT_END_ELLIPSIS,
              settings.contact_font_secondline, settings.second_line_text_color);

  dc.FillRect(RECT{row.left, row.bottom - 1, row.right, row.bottom},
              settings.contact_separator_line_color);
  return true;
}

void ContactListItem::PutKeyboardDown(SmartListControl& list) {
  platform::sip::SHSipPreference(list.HostWindow(), platform::sip::SIP_DOWN);
  platform::ui::UpdateWindow(list.HostWindow());
}

char16_t ContactListItem::GetIndexChar() const {
  return IndexLetter(text);
}

void ContactListItem::OnClick(SmartListControl& list) {
  PutKeyboardDown(list);
  if (dynamic_cast<SmsFilterItem*>(list.Filter()) != nullptr) {
    ContactRowNavigation::ShowSms(*this, GetSmsNumber(*this));
  } else {
    ContactRowNavigation::ShowDetail(*this);
  }
}

bool ContactListItem::MatchesNumber(std::u16string_view address) const {
  return ::MatchesNumber(*this, address, /*allow_empty_address=*/false);
}

void ContactListItem::EditInPlatform(SmartListControl& list, platform::ui::HWND window) {
  platform::pim::PimApplication* store = PlatformContactEditor::StoreOf(list, "EditInPlatform");
  if (!store) return;
  std::unique_ptr<platform::pim::PimItem> item = store->GetItemFromOid(object_id);
  if (!item) {
    // Deleted meanwhile: the store's notification removes the row.
    ContactRowNavigation::Trace("EditInPlatform: contact gone");
    return;
  }
  if (PlatformContactEditor::Edit(window, *item, "EditInPlatform") ==
      platform::pimapps::EditOutcome::kSaved) {
    static_cast<ContactSmartListControl&>(list).RefillContact(*this);
  }
}
