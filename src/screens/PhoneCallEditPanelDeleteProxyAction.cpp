#include "screens/PhoneCallEditPanelDeleteProxyAction.h"

#include "contacts/ScreenNavigation.h"
#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/PhoneCallEditPanel.h"
#include "toolkit/TextInputControl.h"

void PhoneCallEditPanelDeleteProxyAction::Execute() {
  if (inner_) inner_->Execute();
  // Copies: the panel, which owns this proxy, is retired below.
  ContactContainerPanel& parent = parent_;
  const platform::ui::HWND host = host_;
  const bool flip = flip_;
  panel_.visible = false;
  panel_.NumberBox().SetActive(false);
  LightControl::DeleteLater(parent.RemoveChild(&panel_));
  if (flip) ScreenNavigation::FlipTransition(0);
  platform::ui::InvalidateRect(host, nullptr);
}
