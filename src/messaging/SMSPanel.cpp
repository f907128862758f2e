#include "messaging/SMSPanel.h"

#include "theme/SettingManager.h"

bool SMSPanel::Paint(platform::Surface& dc, int left, int top, int right, int bottom) {
  dc.FillRect(rect, theme::Settings().background_color);
  return ContainerPanel::Paint(dc, left, top, right, bottom);
}
