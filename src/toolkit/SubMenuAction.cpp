#include "toolkit/SubMenuAction.h"

#include "theme/SettingManager.h"
#include "toolkit/AnimationHost.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/ContainerPanel.h"
#include "toolkit/PopupMenu.h"

SubMenuAction::SubMenuAction(ContainerPanel* owner, BorderPanel* panel,
                             std::vector<MenuEntry> entries, platform::ui::HWND host_window)
    : owner_(owner), panel_(panel), entries_(std::move(entries)), host_window_(host_window) {}

SubMenuAction::~SubMenuAction() = default;

void SubMenuAction::Execute() {
  const theme::SettingManager& settings = theme::Settings();
  const int count = static_cast<int>(entries_.size());
  panel_->Close(count * settings.small_button_height + settings.button_panel_border_margin);
  panel_->visible = true;
  // The old buttons (this action's own among them) live until the loop comes round again.
  for (auto& button : panel_->ClearChildren()) LightControl::DeleteLater(std::move(button));
  // Copied: the entries belong to this action, and the buttons made from them outlive it.
  const std::vector<MenuEntry> page = entries_;
  const platform::ui::HWND host = host_window_;
  BorderPanel* panel = panel_;
  AddMenuButtons(*panel, *owner_, host, page, panel->rect.left);
  panel->Resize(owner_->rect);
  RECT area = panel->rect;
  RunSlideTransition(host, 0, &area);
}
