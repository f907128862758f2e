#include "screens/IconSymbolPadAction.h"

#include <memory>

#include "contacts/ScreenNavigation.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/IconPanel.h"
#include "screens/SymbolPadContainer.h"
#include "theme/SettingManager.h"
#include "toolkit/SoftInputPanel.h"

void IconSymbolPadAction::Execute() {
  if (SymbolPadContainer::Find(screen_)) return;
  const theme::SettingManager& s = theme::Settings();
  const platform::ui::HWND host = screen_.HostWindow();
  bar_.ClearPenCaptured();
  // The row sits on the icon bar, across the screen, one quarter of its width per symbol.
  const int bottom = bar_.rect.top;
  const RECT area{screen_.rect.left, bottom - s.icon_panel_height, screen_.rect.right, bottom};
  const int width = static_cast<int>(static_cast<unsigned>(RectWidth(screen_.rect)) / 4);
  SymbolPadContainer* pad = screen_.InsertChildFront(std::make_unique<SymbolPadContainer>(
      host, area, SymbolPadContainer::MakeSymbols(host, screen_, s.default_to_close != 0),
      screen_));
  HideInputPanel(host);
  ScreenNavigation::DimWindow();
  // The pen is still held on the phone button: the symbol just above it shows pressed.
  pad->OnPenMove(area.right - width + 1, bottom - 3);
  platform::ui::InvalidateRect(host, &pad->rect);
}
