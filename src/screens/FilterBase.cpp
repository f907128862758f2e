#include "screens/FilterBase.h"

#include <utility>

#include "platform/Messages.h"
#include "platform/Surface.h"
#include "theme/SettingManager.h"

FilterBase::FilterBase(std::u16string caption, std::u16string value,
                       ContactSmartListControl* contact_list)
    // The entry draws no button face, so it keeps no theme images: those are replaced by a
    // theme reload while folder entries may still be listed.
    : Button(nullptr, std::move(caption), nullptr, nullptr), contact_list_(contact_list) {
  second_text = std::move(value);
}

bool FilterBase::Draw(platform::Surface& surface, const RECT& row, bool selected) {
  rect = row;
  const theme::SettingManager& settings = theme::Settings();
  if (selected) surface.FillRect(row, settings.highlighted_item_color);
  RECT caption = row;
  surface.DrawText(text, caption,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX,
                   settings.contact_font_firstline, settings.text_color);
  surface.FillRect(RECT{row.left, row.bottom - 1, row.right, row.bottom},
                   settings.highlighted_item_color);
  return true;
}
