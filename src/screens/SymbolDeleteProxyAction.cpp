#include "screens/SymbolDeleteProxyAction.h"

#include <typeinfo>

#include "platform/ui/WindowApi.h"
#include "screens/ContactContainerPanel.h"
#include "screens/SymbolPadContainer.h"

void SymbolDeleteProxyAction::Execute() {
  // Everything the proxy needs afterwards is copied first: the pad dies with its buttons.
  SymbolPadContainer& pad = pad_;
  ContactContainerPanel& screen = screen_;
  if (inner_) {
    const Action& inner = *inner_;
    SymbolPadContainer::SetLastSymbolRun(&typeid(inner));
    inner_->Execute();
  }
  pad.visible = false;
  LightControl::DeleteLater(screen.RemoveChild(&pad));
  platform::ui::InvalidateRect(screen.HostWindow(), nullptr);
}
