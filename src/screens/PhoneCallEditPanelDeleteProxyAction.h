// PhoneCallEditPanelDeleteProxyAction: the click action of the call edit panel's buttons. It
// runs its inner action (Call), or none (Cancel), then hides the panel, removes it from the
// list screen and hands it to deferred deletion (the panel owns the button that runs this
// proxy); with the flip flag the screen flips back to the list. The whole window is repainted.
#pragma once

#include <memory>

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class ContactContainerPanel;
class PhoneCallEditPanel;

class PhoneCallEditPanelDeleteProxyAction : public Action {
 public:
  PhoneCallEditPanelDeleteProxyAction(std::unique_ptr<Action> inner, PhoneCallEditPanel& panel,
                                      ContactContainerPanel& parent, platform::ui::HWND host,
                                      bool flip)
      : inner_(std::move(inner)), panel_(panel), parent_(parent), host_(host), flip_(flip) {}
  void Execute() override;

  Action* Inner() const { return inner_.get(); }

 private:
  std::unique_ptr<Action> inner_;
  PhoneCallEditPanel& panel_;
  ContactContainerPanel& parent_;
  platform::ui::HWND host_;
  bool flip_;
};
