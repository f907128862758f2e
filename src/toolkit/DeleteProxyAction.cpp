#include "toolkit/DeleteProxyAction.h"

#include "platform/ui/WindowApi.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/ContainerPanel.h"

DeleteProxyAction::DeleteProxyAction(std::shared_ptr<Action> inner, BorderPanel* panel,
                                     ContainerPanel* owner, platform::ui::HWND host_window)
    : inner_(std::move(inner)), panel_(panel), owner_(owner), host_window_(host_window) {}

DeleteProxyAction::~DeleteProxyAction() = default;

namespace {

bool HoldsChild(const ContainerPanel& owner, const LightControl* control) {
  for (size_t i = 0; i < owner.ChildCount(); ++i) {
    if (owner.Child(i) == control) return true;
  }
  return false;
}

}  // namespace

void DeleteProxyAction::Execute() {
  // Keep the inner action alive while it runs, whatever it does to the menu.
  if (std::shared_ptr<Action> inner = inner_) inner->Execute();
  // A second run (another tap before the loop came round) finds the panel already retired.
  if (!HoldsChild(*owner_, panel_)) return;
  const platform::ui::HWND host = host_window_;
  panel_->Close(0);
  // Deferred: the panel owns the button that is running and this proxy.
  LightControl::DeleteLater(owner_->RemoveChild(panel_));
  platform::ui::InvalidateRect(host, nullptr);
}
