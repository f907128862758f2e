// DeleteProxyAction: the click action of a pop-up menu's buttons (and its cancel action). It
// runs the chosen entry's action, if any, then closes the menu and retires its panel, which
// owns the buttons and therefore this proxy. The panel is handed to deferred deletion, so the
// button and the proxy that are running stay valid until the message loop comes round again.
#pragma once

#include <memory>

#include "platform/ui/Window.h"
#include "toolkit/Action.h"

class BorderPanel;
class ContainerPanel;

class DeleteProxyAction : public Action {
 public:
  // `inner` may be none. `panel` is the menu, a child of `owner`; both must be alive
  // whenever the proxy runs (the panel owns the proxy; screens outlive their menus).
  DeleteProxyAction(std::shared_ptr<Action> inner, BorderPanel* panel, ContainerPanel* owner,
                    platform::ui::HWND host_window);
  ~DeleteProxyAction() override;

  // Runs the inner action, closes the panel (slide up), removes it from the owner, hands it
  // to deferred deletion and repaints the whole window. Nothing of the proxy is used after
  // the panel is retired.
  void Execute() override;

  Action* Inner() const { return inner_.get(); }

 private:
  std::shared_ptr<Action> inner_;
  BorderPanel* panel_;
  ContainerPanel* owner_;
  platform::ui::HWND host_window_;
};
