#include "toolkit/PaginateMenu.h"

#include <algorithm>

#include "platform/ui/WindowApi.h"
#include "theme/SettingManager.h"

int MenuPageSize(int screen_height) {
  // A zero or negative button height from a theme would divide by zero; a tiny screen would
  // give pages of no entries and an endless chain of "More..." pages.
  const int button_height = std::max(1, theme::Settings().small_button_height);
  return std::max(1, screen_height / button_height - 2);
}

std::vector<MenuEntry> PaginateMenu(const std::vector<MenuEntry>& entries, int screen_height) {
  const size_t page_size = static_cast<size_t>(MenuPageSize(screen_height));
  if (entries.size() <= page_size) return entries;
  std::vector<MenuEntry> result;
  std::vector<MenuEntry>* page = &result;
  for (const MenuEntry& entry : entries) {
    if (page->size() == page_size) {
      page->push_back(MenuEntry(std::u16string(kMoreEntryLabel), std::vector<MenuEntry>{}));
      page = &page->back().submenu;
    }
    page->push_back(entry);
  }
  return result;
}

std::vector<MenuEntry> PaginateMenu(const std::vector<MenuEntry>& entries) {
  RECT client{};
  auto* manager = platform::ui::WindowManager::Current();
  if (manager) client = manager->GetClientRect(manager->MainWindow());
  return PaginateMenu(entries, RectHeight(client));
}
