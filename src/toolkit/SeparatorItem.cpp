// Separator rows: construction, drawing and index character.
#include "toolkit/SeparatorItem.h"

#include "platform/Messages.h"
#include "platform/Surface.h"
#include "theme/SettingManager.h"

namespace {

// Rows this high or lower are drawn as nothing.
constexpr int32_t kMaxUndrawnHeight = 5;

// Text format bits a theme may choose for the caption; the others (measuring instead of
// drawing, tab expansion, drawing outside the row, prefix processing) are not the theme's
// to pick.
constexpr uint32_t kThemeTextFormat =
    DT_CENTER | DT_RIGHT | DT_VCENTER | DT_BOTTOM | DT_WORDBREAK | DT_SINGLELINE | DT_END_ELLIPSIS;

}  // namespace

SeparatorItem::SeparatorItem(char16_t c, int32_t row_height) : BaseItem(row_height), caption(1, c) {
  text = caption;
}

bool SeparatorItem::Draw(platform::Surface& dc, const RECT& row, bool) {
  if (height <= kMaxUndrawnHeight) return true;
  const theme::SettingManager& settings = theme::Settings();
  dc.FillRect(row, settings.separator_bk_color);
  RECT text_rect = row;
  const uint32_t format =
      (static_cast<uint32_t>(settings.separator_text_align) & kThemeTextFormat) | DT_VCENTER;
  dc.DrawText(caption, text_rect, format | DT_NOPREFIX, settings.separator_font,
              settings.separator_text_color);
  return true;
}

char16_t SeparatorItem::GetIndexChar() const {
  return caption.empty() ? u' ' : caption.front();
}
