// Splitting long menus into pages joined by "More..." entries.
#include <string>
#include <utility>

#include "ToolkitFixture.h"
#include "toolkit/PaginateMenu.h"

namespace {

std::vector<MenuEntry> Numbered(int count) {
  std::vector<MenuEntry> entries;
  for (int i = 1; i <= count; ++i) {
    std::u16string label;
    for (char c : std::to_string(i)) label += static_cast<char16_t>(c);
    entries.emplace_back(label, nullptr);
  }
  return entries;
}

// The labels of every page, pages separated by '|', e.g. "1 2 More...|3".
std::string Pages(const std::vector<MenuEntry>& page) {
  std::string out;
  const MenuEntry* more = nullptr;
  for (const MenuEntry& entry : page) {
    if (!out.empty()) out += ' ';
    for (char16_t c : entry.label) out += static_cast<char>(c);
    if (entry.label == kMoreEntryLabel) more = &entry;
  }
  if (more) {
    EXPECT_EQ(more->action, nullptr);
    out += '|' + Pages(more->submenu);
  }
  return out;
}

// The theme is on its defaults at the start and end of every test.
using MenuPaginateTest = ToolkitFixture;

TEST_F(MenuPaginateTest, PageSizeIsScreenHeightInSmallButtonsLessTwo) {
  struct Case {
    int screen_height;
    int button_height;
    int page_size;
  };
  const Case cases[] = {
      {320, 30, 8},
      {240, 30, 6},
      {319, 30, 8},
      {640, 40, 14},
      {60, 30, 1},  // would be 0: at least one entry per page
      // A zero or negative button height from a theme counts as 1 px rather than dividing
      // by zero.
      {320, 0, 318},
      {320, -5, 318},
  };
  for (const Case& c : cases) {
    theme::Settings().small_button_height = c.button_height;
    EXPECT_EQ(MenuPageSize(c.screen_height), c.page_size)
        << c.screen_height << " / " << c.button_height;
  }
}

TEST_F(MenuPaginateTest, EveryFullPageEndsInMoreWhileEntriesRemainAndEntriesKeepTheirSubmenus) {
  const std::pair<int, const char*> on_320[] = {
      {0, ""},
      {8, "1 2 3 4 5 6 7 8"},  // fits: copied unchanged
      {9, "1 2 3 4 5 6 7 8 More...|9"},
      {16, "1 2 3 4 5 6 7 8 More...|9 10 11 12 13 14 15 16"},
      {17, "1 2 3 4 5 6 7 8 More...|9 10 11 12 13 14 15 16 More...|17"},
  };
  for (const auto& [count, pages] : on_320) {
    EXPECT_EQ(Pages(PaginateMenu(Numbered(count), 320)), pages) << count;
  }
  EXPECT_EQ(Pages(PaginateMenu(Numbered(3), 60)), "1 More...|2 More...|3");
  // Entries keep their submenus.
  std::vector<MenuEntry> entries = Numbered(9);
  entries[8].submenu = Numbered(2);
  const std::vector<MenuEntry> paged = PaginateMenu(entries, 320);
  ASSERT_EQ(paged.size(), 9u);
  const MenuEntry& ninth = paged[8].submenu.at(0);
  EXPECT_EQ(ninth.label, u"9");
  EXPECT_EQ(ninth.submenu.size(), 2u);
  EXPECT_TRUE(ninth.OpensSubmenu());
  EXPECT_FALSE(paged[0].OpensSubmenu());
}

}  // namespace
