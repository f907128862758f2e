// SymbolDeleteProxyAction: the click action of a symbol pad's buttons. It runs the symbol's
// action, then hides the pad, takes it off the list screen and hands it to deferred deletion
// (the pad owns the button that owns this proxy, so nothing of the proxy is used afterwards)
// and repaints the whole window, which also lifts the darkening.
#pragma once

#include <memory>

#include "toolkit/Action.h"

class ContactContainerPanel;
class SymbolPadContainer;

class SymbolDeleteProxyAction : public Action {
 public:
  SymbolDeleteProxyAction(std::unique_ptr<Action> inner, SymbolPadContainer& pad,
                          ContactContainerPanel& screen)
      : inner_(std::move(inner)), pad_(pad), screen_(screen) {}
  void Execute() override;
  const Action* Inner() const { return inner_.get(); }

 private:
  std::unique_ptr<Action> inner_;
  SymbolPadContainer& pad_;
  ContactContainerPanel& screen_;
};
