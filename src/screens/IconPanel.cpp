#include "screens/IconPanel.h"

#include <memory>

#include "contacts/ContactSmartListControl.h"
#include "contacts/FavoriteFilterItem.h"
#include "contacts/ScreenNavigation.h"
#include "contacts/SmsFilterItem.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/IconFavoriteAction.h"
#include "screens/IconFilterAction.h"
#include "screens/IconSmsAction.h"
#include "screens/IconSymbolPadAction.h"
#include "screens/PhonePadAction.h"
#include "theme/Image.h"
#include "theme/SettingManager.h"
#include "toolkit/Button.h"

namespace {

constexpr int kBadgeSize = 14;
constexpr int kBadgeInset = 10;

// A caption shows only when the theme lacks the button's icon.
void SetFace(Button& button, const std::unique_ptr<theme::Image>& image,
             const std::unique_ptr<theme::Image>& pressed, const char16_t* caption) {
  button.SetImages(image.get(), pressed.get());
  button.text = image ? u"" : caption;
}

}  // namespace

IconPanel::IconPanel(platform::ui::HWND host_window, const RECT& initial_rect,
                     ContactContainerPanel& screen)
    : ContainerPanel(initial_rect), host_window_(host_window), screen_(screen) {
  const theme::SettingManager& s = theme::Settings();
  auto make = [&](const char16_t* caption, const std::unique_ptr<theme::Image>& image) {
    return AddChild(
        std::make_unique<Button>(host_window, initial_rect, caption, image.get(), image.get()));
  };
  favorite_button_ = make(u"Fav.", s.favorite_icon);
  sms_button_ = make(u"SMS", s.sms_icon);
  filter_button_ = make(u"Filter", s.filter_icon);
  phone_button_ = make(u"Phone", s.hide_icon);
  favorite_button_->SetClickAction(std::make_unique<IconFavoriteAction>());
  sms_button_->SetClickAction(std::make_unique<IconSmsAction>());
  filter_button_->SetClickAction(std::make_unique<IconFilterAction>(screen));
  phone_button_->SetClickAction(std::make_unique<PhonePadAction>(screen));
  symbol_pad_action_ = std::make_unique<IconSymbolPadAction>(*this, screen);
  phone_button_->SetLongPressAction(symbol_pad_action_.get());
  // Until the first resize the bar sits at the bottom of the rectangle it was made with.
  LayOut(initial_rect.left, initial_rect.right, initial_rect.bottom);
}

void IconPanel::Resize(const RECT& client) {
  RECT window{};
  // Without a main window (tests) the client rectangle stands for it.
  const int bottom =
      platform::ui::GetWindowRect(host_window_, window) ? RectHeight(window) : client.bottom;
  LayOut(client.left, client.right, bottom);
  UpdateIcons();
}

void IconPanel::LayOut(int left, int right, int bottom) {
  rect = RECT{left, bottom - theme::Settings().icon_panel_height, right, bottom};
  const unsigned width = static_cast<unsigned>(RectWidth(rect)) / 4;
  Button* buttons[] = {favorite_button_, sms_button_, filter_button_, phone_button_};
  for (int i = 0; i < 4; ++i) {
    const int x = rect.left + i * static_cast<int>(width);
    buttons[i]->rect = RECT{x, rect.top, x + static_cast<int>(width), rect.bottom};
  }
}

void IconPanel::UpdateIcons() {
  const theme::SettingManager& s = theme::Settings();
  const ISmartListFilter* filter = screen_.ContactList().Filter();
  if (dynamic_cast<const FavoriteFilterItem*>(filter)) {
    SetFace(*favorite_button_, s.contact_icon, s.contact_icon_pressed, u"All");
  } else {
    SetFace(*favorite_button_, s.favorite_icon, s.favorite_icon_pressed, u"Fav.");
  }
  if (dynamic_cast<const SmsFilterItem*>(filter)) {
    SetFace(*sms_button_, s.contact_icon, s.contact_icon_pressed, u"All");
  } else {
    SetFace(*sms_button_, s.sms_icon, s.sms_icon_pressed, u"SMS");
  }
  SetFace(*filter_button_, s.filter_icon, s.filter_icon_pressed, u"Filter");
  SetFace(*phone_button_, s.hide_icon, s.hide_icon_pressed, u"Phone");
}

std::u16string IconPanel::BadgeText(uint32_t unread_count) {
  if (unread_count == 0) return u"";
  const std::string digits = std::to_string(unread_count);
  return std::u16string(digits.begin(), digits.end());
}

RECT IconPanel::BadgeRect(const RECT& sms_button) {
  const int right = sms_button.right - kBadgeInset;
  const int bottom = sms_button.bottom - kBadgeInset;
  return RECT{right - kBadgeSize, bottom - kBadgeSize, right, bottom};
}

bool IconPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  UpdateIcons();
  ContainerPanel::Paint(dc, left, top, right, bottom);
  const std::u16string badge = BadgeText(ScreenNavigation::UnreadCount());
  if (badge.empty()) return true;
  const theme::SettingManager& s = theme::Settings();
  const RECT square = BadgeRect(sms_button_->rect);
  dc.Ellipse(square, s.sms_counter_border_color, 1, s.sms_counter_background_color);
  RECT text_box{square.left, square.top, square.right + 1, square.bottom + 1};
  dc.DrawText(badge, text_box, DT_CENTER | DT_VCENTER, s.index_font, s.sms_counter_text_color);
  return true;
}

RECT IconPanel::OnPenDown(int x, int y) {
  const RECT result = ContainerPanel::OnPenDown(x, y);
  pen_captured_ = result.right > 0;
  return result;
}

RECT IconPanel::OnPenMove(int x, int y) {
  if (!pen_captured_) return kEmptyRect;
  RECT dirty = kEmptyRect;
  for (size_t i = 0; i < ChildCount(); ++i) {
    LightControl* button = Child(i);
    if (!button->visible) continue;
    button->OnPenMove(x, y);
    dirty = UnionRect(dirty, button->rect);
  }
  return dirty;
}
