// SMS items as bubbles of the conversation list: measuring and drawing.
#include <algorithm>

#include "messaging/SMSMessage.h"
#include "messaging/SMSPanel.h"
#include "messaging/VariableSmartListControl.h"
#include "platform/Surface.h"
#include "theme/SettingManager.h"

namespace {

// The widest date the locale makes fixes the height of the date line.
constexpr std::u16string_view kSampleDate = u"18/12/1981 18:51:51";

const platform::Font& TextFont(const SMSMessage& sms) {
  const theme::SettingManager& settings = theme::Settings();
  return sms.read ? settings.sms_font : settings.sms_unread_font;
}

int WrappedHeight(platform::Surface& surface, std::u16string_view text, RECT box,
                  const platform::Font& font) {
  return surface.DrawText(text, box, DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT, font,
                          kInvalidColor);
}

}  // namespace

void SMSMessage::Measure(platform::Surface& surface, const RECT& row) {
  EnsureDateText();
  const RECT box{row.left + 6, row.top, row.right - 6, row.bottom};
  const int text_height = WrappedHeight(surface, text, box, TextFont(*this));
  const int date_height = WrappedHeight(surface, kSampleDate, box, theme::Settings().index_font);
  height = text_height + date_height + 6;
}

bool SMSMessage::Draw(platform::Surface& surface, const RECT& row, bool selected) {
  const theme::SettingManager& settings = theme::Settings();
  const RECT box{row.left + 6, row.top + 5, row.right - 6, row.bottom - 3};
  const COLORREF text_color =
      outgoing ? settings.sms_sent_text_color : settings.sms_received_text_color;
  const COLORREF fill =
      outgoing ? settings.sms_send_background_color : settings.sms_received_background_color;
  const COLORREF border =
      outgoing ? settings.sms_sent_border_color : settings.sms_received_border_color;
  surface.RoundRect(RECT{box.left - 3, box.top - 3, box.right + 3, box.bottom + 3}, 9, 9, border,
                    selected ? 3 : 1, fill);
  const uint32_t align = outgoing ? DT_RIGHT : DT_LEFT;
  RECT text_box = box;
  surface.DrawText(text, text_box, align | DT_WORDBREAK | DT_NOPREFIX, TextFont(*this), text_color);
  RECT sample = box;
  const int date_height = WrappedHeight(surface, kSampleDate, sample, settings.index_font);
  RECT date_box{box.left, std::max(box.top, box.bottom - date_height), box.right, box.bottom};
  surface.DrawText(EnsureDateText(), date_box, align | DT_WORDBREAK | DT_NOPREFIX,
                   settings.index_font, text_color);
  return true;
}

void SMSMessage::OnClick(SmartListControl& list) {
  auto* conversation = dynamic_cast<VariableSmartListControl*>(&list);
  if (conversation && conversation->Panel()) conversation->Panel()->OpenSmsMenu(*this);
}
