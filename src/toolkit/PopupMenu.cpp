#include "toolkit/PopupMenu.h"

#include <memory>

#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"
#include "toolkit/BorderPanel.h"
#include "toolkit/DeleteProxyAction.h"
#include "toolkit/PaginateMenu.h"
#include "toolkit/RelativeButton.h"
#include "toolkit/SoftInputPanel.h"
#include "toolkit/SubMenuAction.h"

namespace {

platform::ui::HWND MainWindow() {
  auto* manager = platform::ui::WindowManager::Current();
  return manager ? manager->MainWindow() : nullptr;
}

std::unique_ptr<Action> MakeEntryAction(const MenuEntry& entry, BorderPanel& panel,
                                        ContainerPanel& owner, platform::ui::HWND host) {
  if (entry.OpensSubmenu()) {
    return std::make_unique<SubMenuAction>(&owner, &panel, entry.submenu, host);
  }
  return std::make_unique<DeleteProxyAction>(entry.action, &panel, &owner, host);
}

}  // namespace

void AddMenuButtons(BorderPanel& panel, ContainerPanel& owner, platform::ui::HWND host_window,
                    const std::vector<MenuEntry>& entries, int left) {
  const theme::SettingManager& settings = theme::Settings();
  const int width = settings.small_button_width;
  const int height = settings.small_button_height;
  int top = 0;
  for (const MenuEntry& entry : entries) {
    const RECT place{left, top, left + width, top + height};
    auto button = std::make_unique<RelativeButton>(&panel, host_window, place, entry.label);
    button->SetClickAction(MakeEntryAction(entry, panel, owner, host_window));
    panel.AddChild(std::move(button));
    top += height;
  }
}

BorderPanel* ShowPopupMenu(ContainerPanel& owner, const std::vector<MenuEntry>& entries) {
  const platform::ui::HWND host = MainWindow();
  const std::vector<MenuEntry> page = PaginateMenu(entries);
  const theme::SettingManager& settings = theme::Settings();
  const int width = settings.small_button_width;
  const int count = static_cast<int>(page.size());
  const int left = owner.rect.left + (owner.rect.right - width - owner.rect.left) / 2;
  auto panel = std::make_unique<BorderPanel>(
      host, RECT{left, 0, left + width, count * settings.small_button_height});
  // A tap outside the buttons retires the menu without running anything. The function owns
  // the proxy; the panel copies the function before running it.
  auto cancel = std::make_shared<DeleteProxyAction>(nullptr, panel.get(), &owner, host);
  panel->SetCancelAction([cancel] { cancel->Execute(); });
  AddMenuButtons(*panel, owner, host, page, left);
  panel->Resize(owner.rect);
  BorderPanel* shown = owner.InsertChildFront(std::move(panel));
  HideInputPanel(host);
  shown->Open();
  return shown;
}
